#include "items/MoneyText.h"

namespace MoneyText {
namespace {

// What a money text is made of, once symbols, blanks and separators are passed over.
struct Parts
{
    bool invalid = false;
    bool negative = false;
    bool openParenthesis = false;
    bool closeParenthesis = false;
    int signs = 0;
    bool point = false;
    QString whole;
    QString decimals;

    bool hasDigits() const { return !whole.isEmpty() || !decimals.isEmpty(); }
};

bool isOneOf(QChar c, const QString &set)
{
    return !set.isEmpty() && set.contains(c);
}

Parts split(const QString &text, const QLocale &locale)
{
    QString rest = text;
    QString symbolCharacters;
    for (const QLocale::CurrencySymbolFormat format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        const QString symbol = locale.currencySymbol(format);
        if (symbol.isEmpty())
            continue;
        rest.remove(symbol);
        symbolCharacters += symbol;
    }
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const QString minus = locale.negativeSign();

    Parts parts;
    for (const QChar c : rest) {
        const int digit = c.digitValue();
        if (digit >= 0) {
            (parts.point ? parts.decimals : parts.whole).append(QChar(u'0' + digit));
        } else if (isOneOf(c, decimal)) {
            parts.invalid = parts.invalid || parts.point;
            parts.point = true;
        } else if (c == u'-' || isOneOf(c, minus)) {
            parts.negative = true;
            ++parts.signs;
        } else if (c == u'+') {
            ++parts.signs;
        } else if (c == u'(') {
            parts.invalid = parts.invalid || parts.openParenthesis || parts.hasDigits();
            parts.openParenthesis = true;
        } else if (c == u')') {
            parts.invalid = parts.invalid || parts.closeParenthesis || !parts.openParenthesis;
            parts.closeParenthesis = true;
        } else if (c.isSpace() || isOneOf(c, group) || isOneOf(c, symbolCharacters)) {
            continue;
        } else {
            parts.invalid = true;
        }
    }
    parts.invalid = parts.invalid || parts.signs > 1 || (parts.signs > 0 && parts.openParenthesis);
    parts.negative = parts.negative || parts.openParenthesis;
    return parts;
}

// The digits 0 to 9 of a plain number in the locale's own digits.
QString localDigits(const QString &digits, const QLocale &locale)
{
    QString result;
    for (const QChar c : digits)
        result += locale.toString(c.digitValue());
    return result;
}

} // namespace

QString format(Money amount, const QLocale &locale)
{
    const qint64 units = amount.units();
    const qint64 magnitude = units < 0 ? -units : units;
    QString fraction = QString::number(magnitude % Money::Scale).rightJustified(4, u'0');
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    const QString number =
        locale.toString(magnitude / Money::Scale) + locale.decimalPoint() + localDigits(fraction, locale);

    // The locale's currency pattern ("$1", "-$1", "1 €", "($1)") with the number in place of the 1.
    QString pattern = locale.toCurrencyString(qlonglong(units < 0 ? -1 : 1), locale.currencySymbol());
    const QString one = locale.toString(1);
    const int at = int(pattern.indexOf(one));
    if (at < 0)
        return (units < 0 ? locale.negativeSign() : QString()) + number;
    return pattern.replace(at, one.size(), number);
}

Validity validate(const QString &text, const QLocale &locale)
{
    if (text.trimmed().isEmpty())
        return Validity::Acceptable;
    const Parts parts = split(text, locale);
    if (parts.invalid || parts.decimals.size() > 4 || parts.whole.size() > MaxWholeDigits)
        return Validity::Invalid;
    if (!parts.hasDigits() || parts.openParenthesis != parts.closeParenthesis)
        return Validity::Intermediate;
    return Validity::Acceptable;
}

std::optional<Money> parse(const QString &text, const QLocale &locale)
{
    if (validate(text, locale) == Validity::Invalid)
        return std::nullopt;
    const Parts parts = split(text, locale);
    if (!parts.hasDigits())
        return Money();
    const QString plain = (parts.negative ? QStringLiteral("-") : QString()) +
                          (parts.whole.isEmpty() ? QStringLiteral("0") : parts.whole) + u'.' + parts.decimals;
    return Money::fromText(plain);
}

} // namespace MoneyText
