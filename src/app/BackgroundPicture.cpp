#include "app/BackgroundPicture.h"

#include "app/PictureHelpers.h"

#include <QFileInfo>

QImage BackgroundPicture::load(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    const PictureResult result = LoadPictureBitmap(path);
    return result.ok() ? result.image : QImage();
}
