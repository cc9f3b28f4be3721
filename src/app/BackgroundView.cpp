#include "app/BackgroundView.h"

#include "app/PictureHelpers.h"

#include <QPainter>

BackgroundView::BackgroundView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundView::setPicture(const QImage &picture, bool centered)
{
    m_picture = picture;
    m_centered = centered;
    m_fitted = QImage();
    update();
}

void BackgroundView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Dark);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), background);
        return;
    }
    if (m_centered) {
        painter.fillRect(rect(), background);
        const QRect target(QPoint((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2),
                           m_picture.size());
        painter.drawImage(target.topLeft(), m_picture);
        return;
    }
    if (m_fitted.size() != size())
        m_fitted = FitPictureToImage(m_picture, size(), background);
    painter.drawImage(0, 0, m_fitted);
}
