#pragma once

#include "store/Money.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

// The currency text of whole-cent amounts in a locale ($1,234.50, -$5.25, 1.234,50 €), written and
// read back quickly for the many amounts of an export or an import. The form of the text (sign,
// symbol and their places, thousands and decimal separators) is learned once from
// Money::toCurrencyString and checked against it, and against TextToMoney reading it back, for a
// range of amounts; when anything differs (another grouping, other digits) the form is not usable
// and callers take the slow way.
class CurrencyText
{
public:
    // Amounts up to this many units (10^12 in whole currency) have an exact currency text.
    static constexpr qint64 Limit = Q_INT64_C(10000000000000000);

    explicit CurrencyText(const QLocale &locale = Money::currencyLocale());

    bool usable() const { return m_usable; }
    // Whether the amount has a currency text that reads back exactly: whole cents, within Limit.
    static bool fits(Money amount);

    // The text Money::toCurrencyString gives for an amount that fits; needs usable().
    QString text(Money amount) const;
    // The amount whose currency text this is, exactly as text() writes it; nothing for any other text.
    std::optional<Money> read(QStringView text) const;

private:
    struct Form
    {
        QString prefix;
        QString suffix;
    };

    bool learn();
    std::optional<Money> readNumber(QStringView number, bool negative) const;

    QLocale m_locale;
    Form m_positive;
    Form m_negative;
    QString m_group;
    QString m_decimal;
    bool m_usable = false;
};
