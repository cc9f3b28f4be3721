#pragma once

#include <QPixmap>

// The program's picture for the splash window and the about box: 249 by 200 pixels.
QPixmap DrawSplashPicture();
