#include "items/MoneyEdit.h"

#include "items/MoneyText.h"
#include "items/MoneyValidator.h"

#include <QApplication>
#include <QFocusEvent>

MoneyEdit::MoneyEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new MoneyValidator(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
    setValue(Money());
}

Money MoneyEdit::value() const
{
    return MoneyText::parse(text()).value_or(Money());
}

void MoneyEdit::setValue(Money amount)
{
    setText(MoneyText::format(amount));
}

void MoneyEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that gives the focus would put the cursor where it lands; keep the selection.
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void MoneyEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_selectOnRelease = false;
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setValue(value());
}

void MoneyEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}
