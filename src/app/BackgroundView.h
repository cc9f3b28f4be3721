#pragma once

#include <QImage>
#include <QWidget>

// The picture control that fills the main window below the tool bar: blank in the work-space
// colour, or a picture at its own size in the middle, or a picture scaled to fit.
class BackgroundView : public QWidget
{
    Q_OBJECT

public:
    explicit BackgroundView(QWidget *parent = nullptr);

    // A null picture blanks the view.
    void setPicture(const QImage &picture, bool centered);
    void clear() { setPicture(QImage(), true); }

    bool isBlank() const { return m_picture.isNull(); }
    bool isCentered() const { return m_centered; }
    QImage picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_centered = true;
    QImage m_fitted; // the scaled picture for the current size
};
