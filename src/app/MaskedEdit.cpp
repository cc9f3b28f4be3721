#include "app/MaskedEdit.h"

#include <QLineEdit>

QLineEdit *NewMaskedEdit(QWidget *parent, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    // 42 is "*": the styles would otherwise show a dot.
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}
