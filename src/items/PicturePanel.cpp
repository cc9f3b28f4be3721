#include "items/PicturePanel.h"

#include "app/PictureHelpers.h"

#include <QLabel>
#include <QPixmap>

PicturePanel::PicturePanel(QWidget *parent)
    : QFrame(parent)
    , m_caption(new QLabel(QStringLiteral("None"), this))
    , m_box(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(PanelSize, PanelSize);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setGeometry(0, 0, PanelSize, PanelSize);
    const int inset = (PanelSize - BoxSize) / 2;
    m_box->setGeometry(inset, inset, BoxSize, BoxSize);
    m_box->setAlignment(Qt::AlignCenter);
    m_box->hide();
}

void PicturePanel::showPicture(const QImage &picture)
{
    m_shown = FitPictureToImage(picture, QSize(BoxSize, BoxSize), palette().color(QPalette::Window));
    m_box->setPixmap(QPixmap::fromImage(m_shown));
    setToolTip(QString());
    m_box->setVisible(!m_shown.isNull());
}

void PicturePanel::clearPicture(const QString &reason)
{
    m_shown = QImage();
    m_box->clear();
    m_box->hide();
    setToolTip(reason);
}
