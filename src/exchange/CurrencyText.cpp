#include "exchange/CurrencyText.h"

#include "app/TextHelpers.h"

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the text holds the part at this place (a plain comparison of units, for speed).
bool holdsAt(QStringView text, qsizetype at, const QString &part)
{
    return at >= 0 && at + part.size() <= text.size() && std::equal(part.cbegin(), part.cend(), text.cbegin() + at);
}

// Splits a currency text around its number (first digit to last digit).
bool splitAround(const QString &text, QString *prefix, QString *number, QString *suffix)
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isDigit(text.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return false;
    *prefix = text.left(first);
    *number = text.mid(first, last - first + 1);
    *suffix = text.mid(last + 1);
    return true;
}

} // namespace

CurrencyText::CurrencyText(const QLocale &locale)
    : m_locale(locale)
{
    m_usable = learn();
}

bool CurrencyText::fits(Money amount)
{
    const qint64 units = amount.units();
    return units % 100 == 0 && units < Limit && units > -Limit;
}

bool CurrencyText::learn()
{
    // 1234567.89 shows every part: "$1,234,567.89" gives "$", "1", ",", "234", ",", "567", ".", "89", "".
    const Money sample = Money::fromUnits(Q_INT64_C(12345678900));
    QString number;
    QString negativeNumber;
    if (!splitAround(sample.toCurrencyString(m_locale), &m_positive.prefix, &number, &m_positive.suffix) ||
        !splitAround((-sample).toCurrencyString(m_locale), &m_negative.prefix, &negativeNumber, &m_negative.suffix) ||
        number != negativeNumber)
        return false;
    const qsizetype firstGroup = number.indexOf(u'2');
    const qsizetype secondGroup = number.indexOf(u'5');
    const qsizetype fraction = number.indexOf(u'8');
    if (!number.startsWith(u'1') || firstGroup < 0 || secondGroup < 0 || fraction < 0)
        return false;
    m_group = number.mid(1, firstGroup - 1);
    m_decimal = number.mid(secondGroup + 3, fraction - secondGroup - 3);
    if (m_decimal.isEmpty() || isDigit(m_decimal.front()) || (!m_group.isEmpty() && isDigit(m_group.front())))
        return false;
    m_usable = true;

    static constexpr qint64 probes[] = {0,
                                        1,
                                        10,
                                        100,
                                        1234,
                                        12500,
                                        99999,
                                        100000,
                                        123450,
                                        9999999,
                                        10000000,
                                        12345678,
                                        100000000,
                                        1234567891,
                                        99999999999,
                                        123456789012,
                                        Q_INT64_C(99999999999999)};
    for (const qint64 cents : probes) {
        for (const qint64 units : {cents * 100, -cents * 100}) {
            const Money amount = Money::fromUnits(units);
            const QString expected = amount.toCurrencyString(m_locale);
            if (text(amount) != expected || read(expected) != amount ||
                Money::fromText(TextToMoney(expected)) != amount)
                return false;
        }
    }
    return true;
}

QString CurrencyText::text(Money amount) const
{
    const bool negative = amount.isNegative();
    const quint64 cents = quint64(negative ? -amount.units() : amount.units()) / 100;
    char16_t digits[24];
    int count = 0;
    for (quint64 whole = cents / 100; count == 0 || whole > 0; whole /= 10)
        digits[count++] = char16_t(u'0' + whole % 10);
    const Form &form = negative ? m_negative : m_positive;
    QString result(form.prefix.size() + count + (count - 1) / 3 * m_group.size() + m_decimal.size() + 2 +
                       form.suffix.size(),
                   Qt::Uninitialized);
    QChar *out = result.data();
    auto put = [&out](const QString &part) {
        std::copy(part.cbegin(), part.cend(), out);
        out += part.size();
    };
    put(form.prefix);
    for (int i = count - 1; i >= 0; --i) {
        *out++ = QChar(digits[i]);
        if (i > 0 && i % 3 == 0)
            put(m_group);
    }
    put(m_decimal);
    *out++ = QChar(char16_t(u'0' + cents % 100 / 10));
    *out++ = QChar(char16_t(u'0' + cents % 10));
    put(form.suffix);
    return result;
}

std::optional<Money> CurrencyText::read(QStringView text) const
{
    if (!m_usable)
        return std::nullopt;
    for (const bool negative : {false, true}) {
        const Form &form = negative ? m_negative : m_positive;
        if (text.size() > form.prefix.size() + form.suffix.size() && holdsAt(text, 0, form.prefix) &&
            holdsAt(text, text.size() - form.suffix.size(), form.suffix)) {
            const QStringView number =
                text.sliced(form.prefix.size(), text.size() - form.prefix.size() - form.suffix.size());
            if (const std::optional<Money> amount = readNumber(number, negative))
                return amount;
        }
    }
    return std::nullopt;
}

// The number exactly as text() writes it: the whole part without leading zeros, its digits in
// groups of three from the right (the first group one to three digits), the decimal separator and
// two digits. Anything else, however close, gives nothing.
std::optional<Money> CurrencyText::readNumber(QStringView number, bool negative) const
{
    const qsizetype wholeEnd = number.size() - 2 - m_decimal.size();
    if (wholeEnd < 1 || !holdsAt(number, wholeEnd, m_decimal) || !isDigit(number.at(wholeEnd + m_decimal.size())) ||
        !isDigit(number.back()))
        return std::nullopt;
    const QStringView whole = number.first(wholeEnd);
    qint64 value = 0;
    int digits = 0;
    int groupDigits = 0; // digits since the last separator
    bool grouped = false;
    for (qsizetype i = 0; i < whole.size();) {
        const QChar c = whole.at(i);
        if (isDigit(c)) {
            if (++digits > 15 || (grouped && groupDigits == 3) || (!grouped && !m_group.isEmpty() && groupDigits == 3))
                return std::nullopt;
            value = value * 10 + (c.unicode() - u'0');
            ++groupDigits;
            ++i;
        } else if (!m_group.isEmpty() && groupDigits > 0 && (!grouped || groupDigits == 3) &&
                   holdsAt(whole, i, m_group)) {
            grouped = true;
            groupDigits = 0;
            i += m_group.size();
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (grouped && groupDigits != 3) || (whole.at(0) == u'0' && digits > 1))
        return std::nullopt;
    const int fraction = (number.at(number.size() - 2).unicode() - u'0') * 10 + (number.back().unicode() - u'0');
    const Money amount = Money::fromUnits((value * 100 + fraction) * 100);
    if ((negative && amount.isZero()) || !fits(amount))
        return std::nullopt;
    return negative ? -amount : amount;
}
