#pragma once

#include <QWidget>

class QToolButton;

// The item form's record navigator: first, prior, next and last.
class RecordNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last };

    explicit RecordNavigator(QWidget *parent = nullptr);

    QToolButton *button(Button which) const { return m_buttons[which]; }
    // First and prior are off at the start, next and last past the end.
    void setPosition(bool atStart, bool atEnd);

Q_SIGNALS:
    void clicked(RecordNavigator::Button button);

private:
    QToolButton *m_buttons[4] = {};
};
