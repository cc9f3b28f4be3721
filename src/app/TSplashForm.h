#pragma once

#include <QPixmap>
#include <QWidget>

// The borderless window shown while the program starts: the program's picture in a black frame,
// in the middle of the screen.
class TSplashForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FrameWidth = 2;

    explicit TSplashForm(QWidget *parent = nullptr);
    QPixmap picture() const { return m_picture; }
    // Shows the window and paints it at once.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
