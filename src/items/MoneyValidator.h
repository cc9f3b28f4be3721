#pragma once

#include <QLocale>
#include <QValidator>

// Lets a money entry field take only what can become an amount (MoneyText::validate).
class MoneyValidator : public QValidator
{
    Q_OBJECT
public:
    explicit MoneyValidator(QObject *parent = nullptr);
    State validate(QString &input, int &position) const override;
};
