#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG file with libjpeg into a 24-bit RGB image. Grayscale, RGB/YCbCr and CMYK/YCCK
// pictures (plain or Adobe-inverted) are understood. A damaged file gives an error text
// instead of a picture; libjpeg never prints anything or ends the process.
class JpegDecoder
{
public:
    // Decodes the whole file held in data. On success image() is an RGB888 picture.
    bool decode(const QByteArray &data);

    QImage image() const { return m_image; }
    // Why the last decode failed, for example "Not a JPEG file: starts with 0x54 0x68".
    QString errorString() const { return m_error; }

private:
    QImage m_image;
    QString m_error;
};
