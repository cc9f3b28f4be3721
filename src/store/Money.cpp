#include "store/Money.h"

#include <limits>

namespace {

constexpr qint64 MaxUnits = std::numeric_limits<qint64>::max() / 10 - 10;

} // namespace

std::optional<Money> Money::fromText(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    qint64 units = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool roundUp = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        seenDigit = true;
        const int digit = c.unicode() - u'0';
        if (!seenPoint) {
            if (units > MaxUnits / 10)
                return std::nullopt;
            units = units * 10 + digit * Scale;
            if (units > MaxUnits)
                return std::nullopt;
        } else if (decimals < 4) {
            static constexpr qint64 Place[4] = {1000, 100, 10, 1};
            units += digit * Place[decimals];
            ++decimals;
        } else if (decimals == 4) {
            roundUp = digit >= 5; // half away from zero: only the fifth decimal decides
            ++decimals;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    if (roundUp)
        ++units;
    return fromUnits(negative ? -units : units);
}

Money Money::roundedToCents() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    const qint64 cents = (magnitude + 50) / 100;
    return fromUnits((m_units < 0 ? -cents : cents) * 100);
}

QString Money::toPlainString() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    QString fraction = QString::number(magnitude % Scale).rightJustified(4, u'0');
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    const QString sign = m_units < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(magnitude / Scale) + u'.' + fraction;
}

QString Money::toCurrencyString(const QLocale &locale) const
{
    // Whole cents as a double are exact enough for two decimals up to ~9e13.
    const qint64 cents = roundedToCents().units() / 100;
    return locale.toCurrencyString(static_cast<double>(cents) / 100.0, QString(), 2);
}

QLocale Money::currencyLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}
