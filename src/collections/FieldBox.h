#pragma once

#include <QLineEdit>

class QLabel;

// One field of the field designer: an edit box holding the field's label, with the fixed caption
// that names the underlying field attached above it. A hidden field is marked by the box's
// background (the inactive colour instead of the window colour).
class FieldBox : public QLineEdit
{
    Q_OBJECT

public:
    // Named "OvcEdit" + (number + 1), sized for its field, placed on the page.
    FieldBox(int number, QWidget *page);

    int number() const { return m_number; }
    QLabel *caption() const { return m_caption; } // nullptr for the measure units

    bool hiddenMark() const { return m_hidden; }
    void setHiddenMark(bool hidden);

    // Shows the label; at most 20 characters can be typed, a longer stored label is kept whole.
    void setLabelText(const QString &label);

    // Moves the box and its caption (a box not yet shown gets no move events).
    void moveTo(const QPoint &topLeft);

    // Puts the box above the other boxes while it is being dragged.
    void bringToFront();

protected:
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeCaption();
    void paintMark();

    int m_number;
    QLabel *m_caption = nullptr;
    bool m_hidden = false;
};
