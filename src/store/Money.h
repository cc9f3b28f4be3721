#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// An exact currency amount in ten-thousandths (four fixed decimals), as stored in the item table.
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units)
    {
        Money m;
        m.m_units = units;
        return m;
    }
    static constexpr Money fromWhole(qint64 whole) { return fromUnits(whole * Scale); }

    // Reads a plain decimal number: optional blanks, optional sign, digits with at most one
    // point (".5", "5." and "5" are fine). Digits past the fourth decimal round half away from
    // zero. Empty text, anything else, or an amount too large to hold gives nothing.
    static std::optional<Money> fromText(const QString &text);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    // Rounded half away from zero to whole cents.
    Money roundedToCents() const;

    // Plain decimal text with the point: at least two decimals, no more than needed
    // ("12.50", "-0.1234", "1000000.00"). fromText reads it back exactly.
    QString toPlainString() const;

    // The amount in the currency format of the locale, with two decimals.
    QString toCurrencyString(const QLocale &locale = currencyLocale()) const;

    // The locale whose currency format is used: the default locale, or en_US when that
    // is the C locale, which has no currency.
    static QLocale currencyLocale();

    constexpr Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    constexpr Money operator-() const { return fromUnits(-m_units); }
    constexpr Money &operator+=(Money o)
    {
        m_units += o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Money &) const = default;

private:
    qint64 m_units = 0;
};
