#include "app/PictureFileFilter.h"

QString PictureFileFilter()
{
    return QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png;*.gif)|"
                          "*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.png;*.gif|"
                          "JPEG Image File (*.jpg)|*.jpg|"
                          "JPEG Image File (*.jpeg)|*.jpeg|"
                          "Bitmaps (*.bmp)|*.bmp|"
                          "Icons (*.ico)|*.ico|"
                          "Enhanced Metafiles (*.emf)|*.emf|"
                          "Metafiles (*.wmf)|*.wmf|"
                          "PNG Images (*.png)|*.png|"
                          "GIF Images (*.gif)|*.gif");
}
