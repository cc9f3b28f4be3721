#pragma once

#include "exchange/CurrencyText.h"
#include "store/Money.h"

#include <QLocale>
#include <QString>

// How the export writes an amount: as the locale's currency text with two decimals ($1,234.50)
// when that text reads back as the very same amount, otherwise as the plain amount (0.0001,
// -1234.5678), which reads back exactly too. So amounts with parts of a cent, amounts too large
// for the currency text, and every amount in a locale whose currency text does not read back
// come out plain.
class ExportMoneyFormat
{
public:
    explicit ExportMoneyFormat(const QLocale &locale = Money::currencyLocale());

    QString text(Money amount) const;

    // Whether whole-cent amounts are written as currency text in this locale.
    bool writesCurrencyText() const { return m_currencyText; }

private:
    QLocale m_locale;
    CurrencyText m_fast;
    bool m_currencyText = false;
    QString m_zero;
};
