#include "app/PictureHelpers.h"

#include "app/JpegDecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

namespace {

// The stand-in for a picture whose file is gone: black text on white, its top left corner at
// (7, 40), in the application's font made smaller when the text would not fit the width.
// Text needs fonts, which need a QGuiApplication; without one (the command-line tool) the
// picture stays blank.
QImage ImageNotFoundPicture()
{
    constexpr int Size = 100;
    constexpr int Left = 7;
    constexpr int Top = 40;
    QImage image(Size, Size, QImage::Format_RGB888);
    image.fill(Qt::white);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return image;

    const QString text = QStringLiteral("Image Not Found");
    QPainter painter(&image);
    QFont font = painter.font();
    int pixelSize = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * image.logicalDpiY() / 72.0);
    while (pixelSize > 6 && QFontMetrics(font, &image).horizontalAdvance(text) > Size - Left - 2) {
        font.setPixelSize(--pixelSize);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(Left, Top + QFontMetrics(font, &image).ascent()), text);
    return image;
}

// 24-bit RGB with any transparent parts laid over white.
QImage ToOpaqueRgb(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB888);
    QImage image(picture.size(), QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
    return image;
}

QImage ReadJpeg(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return {};
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return {};
    }
    JpegDecoder decoder;
    if (!decoder.decode(data)) {
        *reason = decoder.errorString();
        return {};
    }
    return decoder.image();
}

QImage ReadOther(const QString &path, QString *reason)
{
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        *reason = reader.errorString();
        return {};
    }
    return ToOpaqueRgb(picture);
}

// a * b / c rounded to the nearest integer, halves away from zero; a, b, c positive.
qint64 MulDivRounded(qint64 a, qint64 b, qint64 c)
{
    return (a * b + c / 2) / c;
}

} // namespace

bool IsJpegFileName(const QString &path)
{
    return path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

PictureResult LoadPictureBitmap(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {ImageNotFoundPicture(), QString()};

    QString reason;
    const QImage image = IsJpegFileName(path) ? ReadJpeg(path, &reason) : ReadOther(path, &reason);
    if (image.isNull()) {
        if (reason.isEmpty())
            reason = QStringLiteral("Unknown error");
        return {QImage(), QStringLiteral("Cannot read picture %1: %2").arg(QDir::toNativeSeparators(path), reason)};
    }
    return {image, QString()};
}

QRect FitPictureRect(QSize picture, QSize box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const double boxRatio = double(box.width()) / double(box.height());
    const double pictureRatio = double(picture.width()) / double(picture.height());
    if (boxRatio > pictureRatio) {
        const int width = int(MulDivRounded(box.height(), picture.width(), picture.height()));
        return QRect((box.width() - width) / 2, 0, width, box.height());
    }
    const int height = int(MulDivRounded(box.width(), picture.height(), picture.width()));
    return QRect(0, (box.height() - height) / 2, box.width(), height);
}

QImage FitPictureToImage(const QImage &picture, QSize box, const QColor &background)
{
    if (box.isEmpty())
        return {};
    QImage image(box, QImage::Format_RGB888);
    image.fill(background);
    const QRect target = FitPictureRect(picture.size(), box);
    if (picture.isNull() || target.isEmpty())
        return image;
    const QImage scaled = picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&image);
    painter.drawImage(target.topLeft(), scaled);
    return image;
}
