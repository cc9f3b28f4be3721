#pragma once

class QWidget;

// Puts the window in the middle of the screen it is on (or the primary screen).
void CenterOnScreen(QWidget *window);
// Centres the window on its screen when it is first shown; later shows leave it where it is.
void CenterOnFirstShow(QWidget *window);
