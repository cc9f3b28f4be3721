#include "items/MoneyValidator.h"

#include "items/MoneyText.h"

MoneyValidator::MoneyValidator(QObject *parent)
    : QValidator(parent)
{
}

QValidator::State MoneyValidator::validate(QString &input, int &) const
{
    switch (MoneyText::validate(input)) {
    case MoneyText::Validity::Acceptable:
        return Acceptable;
    case MoneyText::Validity::Intermediate:
        return Intermediate;
    default:
        return Invalid;
    }
}
