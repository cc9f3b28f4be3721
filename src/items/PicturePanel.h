#pragma once

#include <QFrame>
#include <QImage>

class QLabel;

// The 201 by 201 panel captioned "None" with the 197 by 197 picture box on it. Without a picture
// the panel's caption shows through.
class PicturePanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int PanelSize = 201;
    static constexpr int BoxSize = 197;

    explicit PicturePanel(QWidget *parent = nullptr);

    // Shows the picture fitted into the box on the panel's colour.
    void showPicture(const QImage &picture);
    // Empties the box; the reason, if any, becomes the box's tool tip.
    void clearPicture(const QString &reason = QString());

    bool hasPicture() const { return !m_shown.isNull(); }
    // What the box shows (null when empty).
    QImage shownImage() const { return m_shown; }
    QLabel *pictureBox() const { return m_box; }

private:
    QLabel *m_caption;
    QLabel *m_box;
    QImage m_shown;
};
