#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Loading item pictures and fitting them into a picture box.

// A loaded picture, or why it could not be loaded.
struct PictureResult
{
    QImage image;
    QString error;

    bool ok() const { return error.isEmpty() && !image.isNull(); }
};

// True when the file name ends in .jpg or .jpeg, in any case.
bool IsJpegFileName(const QString &path);

// Reads the picture file as a 24-bit RGB image. A missing file gives a 100 by 100 picture
// saying "Image Not Found". JPEG files (by their extension) are decoded with libjpeg, all
// others (BMP, ICO, PNG, GIF, ...) by Qt's image readers; transparent parts become white.
// A file that exists but cannot be read gives an error naming the file and the reason.
PictureResult LoadPictureBitmap(const QString &path);

// Where a picture of the given size goes in a box: scaled to fill the box's width or height
// while keeping its proportions, and centred. Empty when the picture or the box is empty.
QRect FitPictureRect(QSize picture, QSize box);

// A box-sized RGB888 image of the background colour with the picture smoothly scaled into
// FitPictureRect. Null when the box is empty.
QImage FitPictureToImage(const QImage &picture, QSize box, const QColor &background);
