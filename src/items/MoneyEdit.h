#pragma once

#include "store/Money.h"

#include <QLineEdit>

// The item form's money entry field. It always holds an amount (empty is 0), shows it in the
// currency format with every decimal the amount needs, selects its whole text when entered and
// sounds a beep for a key it cannot take.
class MoneyEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MoneyEdit(QWidget *parent = nullptr);

    // The amount typed; 0 for empty text or a sign alone.
    Money value() const;
    void setValue(Money amount);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_selectOnRelease = false;
};
