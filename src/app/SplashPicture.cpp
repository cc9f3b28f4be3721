#include "app/SplashPicture.h"

#include "app/ProgramValues.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
constexpr int Width = 249;
constexpr int Height = 200;

// A glass-fronted cabinet with shelves of small treasures.
void DrawCabinet(QPainter &p, const QRectF &r)
{
    const QColor wood(0x8a, 0x55, 0x2c);
    const QColor woodDark(0x5c, 0x36, 0x1a);
    p.setPen(QPen(woodDark, 2));
    p.setBrush(wood);
    p.drawRoundedRect(r, 3, 3);

    const QRectF glass = r.adjusted(6, 6, -6, -6);
    QLinearGradient pane(glass.topLeft(), glass.bottomRight());
    pane.setColorAt(0, QColor(0xfd, 0xf3, 0xdc));
    pane.setColorAt(1, QColor(0xe9, 0xd4, 0xa8));
    p.setPen(QPen(woodDark, 1));
    p.setBrush(pane);
    p.drawRect(glass);

    const qreal shelfGap = glass.height() / 3;
    for (int i = 1; i < 3; ++i) {
        const qreal y = glass.top() + i * shelfGap;
        p.fillRect(QRectF(glass.left(), y - 2, glass.width(), 4), wood);
    }

    // Bottom shelf: three coins.
    const qreal baseY = glass.bottom() - 4;
    for (int i = 0; i < 3; ++i) {
        const QRectF coin(glass.left() + 6 + i * 15, baseY - 12, 12, 12);
        QRadialGradient gold(coin.center() - QPointF(2, 2), 8);
        gold.setColorAt(0, QColor(0xff, 0xe8, 0x8a));
        gold.setColorAt(1, QColor(0xc9, 0x8f, 0x16));
        p.setPen(QPen(QColor(0x8c, 0x5e, 0x07), 1));
        p.setBrush(gold);
        p.drawEllipse(coin);
    }

    // Middle shelf: a vase and a little box.
    const qreal midY = glass.top() + 2 * shelfGap - 2;
    QPainterPath vase;
    const qreal vx = glass.left() + 12;
    vase.moveTo(vx + 4, midY);
    vase.cubicTo(vx - 4, midY - 10, vx + 2, midY - 18, vx + 5, midY - 22);
    vase.lineTo(vx + 11, midY - 22);
    vase.cubicTo(vx + 14, midY - 18, vx + 20, midY - 10, vx + 12, midY);
    vase.closeSubpath();
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 1));
    p.setBrush(QColor(0x3f, 0x7f, 0xcf));
    p.drawPath(vase);
    p.setBrush(QColor(0xb8, 0x3a, 0x3a));
    p.setPen(QPen(QColor(0x70, 0x1e, 0x1e), 1));
    p.drawRect(QRectF(glass.right() - 20, midY - 12, 13, 12));

    // Top shelf: a stamp and a toy car.
    const qreal topY = glass.top() + shelfGap - 2;
    p.setPen(QPen(QColor(0x6b, 0x6b, 0x6b), 1, Qt::DotLine));
    p.setBrush(QColor(0xf6, 0xf6, 0xf6));
    p.drawRect(QRectF(glass.left() + 6, topY - 18, 14, 17));
    p.fillRect(QRectF(glass.left() + 9, topY - 15, 8, 9), QColor(0x3c, 0x9a, 0x5a));
    p.setPen(QPen(QColor(0x27, 0x27, 0x27), 1));
    p.setBrush(QColor(0xe0, 0x7b, 0x1a));
    p.drawRoundedRect(QRectF(glass.right() - 26, topY - 10, 20, 7), 2, 2);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawEllipse(QRectF(glass.right() - 24, topY - 5, 5, 5));
    p.drawEllipse(QRectF(glass.right() - 13, topY - 5, 5, 5));
}
} // namespace

QPixmap DrawSplashPicture()
{
    QPixmap pixmap(Width, Height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(0x1d, 0x2f, 0x4f));
    sky.setColorAt(1, QColor(0x3b, 0x5f, 0x8f));
    p.fillRect(0, 0, Width, Height, sky);

    // A soft light behind the cabinet.
    QRadialGradient glow(QPointF(62, 96), 80);
    glow.setColorAt(0, QColor(255, 236, 190, 110));
    glow.setColorAt(1, QColor(255, 236, 190, 0));
    p.fillRect(0, 0, Width, Height, glow);

    DrawCabinet(p, QRectF(22, 30, 80, 132));

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xe6, 0xa6));
    p.drawText(QRectF(108, 48, 136, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Curiodex"));

    QFont edition(QStringLiteral("Liberation Sans"));
    edition.setPixelSize(14);
    edition.setItalic(true);
    p.setFont(edition);
    p.setPen(QColor(0xe8, 0xee, 0xf6));
    p.drawText(QRectF(110, 84, 134, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vaultry Edition"));

    p.setPen(QPen(QColor(0xff, 0xe6, 0xa6, 160), 1));
    p.drawLine(QPointF(110, 110), QPointF(236, 110));

    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(0xc9, 0xd6, 0xe8));
    p.drawText(QRectF(110, 116, 134, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version %1").arg(VersionText()));
    p.drawText(QRectF(110, 132, 134, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("for the collector in you"));
    p.drawText(QRectF(110, 170, 134, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vendrolith Software"));
    return pixmap;
}
