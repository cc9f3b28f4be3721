#include "items/RecordNavigator.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

constexpr int ButtonWidth = 25;
constexpr int ButtonHeight = 25;

// A small black triangle pointing left or right, with a bar for first and last.
QIcon arrowIcon(RecordNavigator::Button which)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const bool left = which == RecordNavigator::First || which == RecordNavigator::Prior;
    const bool bar = which == RecordNavigator::First || which == RecordNavigator::Last;
    QPainterPath triangle;
    if (left) {
        triangle.moveTo(11, 3);
        triangle.lineTo(4, 8);
        triangle.lineTo(11, 13);
    } else {
        triangle.moveTo(5, 3);
        triangle.lineTo(12, 8);
        triangle.lineTo(5, 13);
    }
    triangle.closeSubpath();
    if (bar)
        triangle.translate(left ? 1 : -1, 0);
    painter.drawPath(triangle);
    if (bar)
        painter.drawRect(left ? QRectF(3, 3, 2, 10) : QRectF(11, 3, 2, 10));
    return QIcon(pixmap);
}

} // namespace

RecordNavigator::RecordNavigator(QWidget *parent)
    : QWidget(parent)
{
    static const char *const tips[] = {"First record", "Prior record", "Next record", "Last record"};
    for (int i = First; i <= Last; ++i) {
        auto *button = new QToolButton(this);
        button->setIcon(arrowIcon(Button(i)));
        button->setToolTip(QString::fromLatin1(tips[i]));
        button->setGeometry(i * ButtonWidth, 0, ButtonWidth, ButtonHeight);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { Q_EMIT clicked(Button(i)); });
        m_buttons[i] = button;
    }
    setFixedSize(4 * ButtonWidth, ButtonHeight);
}

void RecordNavigator::setPosition(bool atStart, bool atEnd)
{
    m_buttons[First]->setEnabled(!atStart);
    m_buttons[Prior]->setEnabled(!atStart);
    m_buttons[Next]->setEnabled(!atEnd);
    m_buttons[Last]->setEnabled(!atEnd);
}
