#include "app/PicturePreviewDialog.h"

#include "app/FileDialogs.h"
#include "app/PictureHelpers.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

PicturePreviewDialog::PicturePreviewDialog(QWidget *parent, const QString &caption, const QString &directory,
                                           const QString &filter)
    : QFileDialog(parent, caption, directory, toQtFilter(filter))
    , m_preview(new QLabel(this))
{
    // Qt's own dialog, so that the preview can sit inside it.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::AnyFile);
    setSizeGripEnabled(true);

    m_preview->setFixedSize(PreviewSize, PreviewSize);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setText(QStringLiteral("No preview"));
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_preview, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
    connect(this, &QFileDialog::currentChanged, this, &PicturePreviewDialog::showPreview);
    resize(820, 460);
}

void PicturePreviewDialog::showPreview(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(QStringLiteral("No preview"));
        return;
    }
    const PictureResult picture = LoadPictureBitmap(path);
    if (!picture.ok()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(QStringLiteral("No preview"));
        return;
    }
    const QColor background = palette().color(QPalette::Window);
    m_preview->setPixmap(
        QPixmap::fromImage(FitPictureToImage(picture.image, QSize(PreviewSize, PreviewSize), background)));
}
