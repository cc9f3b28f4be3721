#pragma once

#include <QString>

// The filter of the picture file dialogs (background picture, item pictures), in the
// "Description|patterns|..." form of FileDialogs.h.
QString PictureFileFilter();
