#include "exchange/ExportMoneyFormat.h"

#include "exchange/ImportValues.h"

ExportMoneyFormat::ExportMoneyFormat(const QLocale &locale)
    : m_locale(locale)
    , m_fast(locale)
{
    // The import reads amounts in the program's currency locale; probe that it reads this one's text.
    m_currencyText = true;
    for (const qint64 units : {Q_INT64_C(0), Q_INT64_C(125000), Q_INT64_C(-52500), Q_INT64_C(12345678900),
                               Q_INT64_C(-12345678900), CurrencyText::Limit - 100, -(CurrencyText::Limit - 100)}) {
        const Money amount = Money::fromUnits(units);
        if (ImportValues::money(amount.toCurrencyString(m_locale)) != amount) {
            m_currencyText = false;
            break;
        }
    }
    m_zero = text(Money());
}

QString ExportMoneyFormat::text(Money amount) const
{
    if (amount.isZero() && !m_zero.isEmpty())
        return m_zero;
    if (m_currencyText && CurrencyText::fits(amount))
        return m_fast.usable() ? m_fast.text(amount) : amount.toCurrencyString(m_locale);
    return amount.toPlainString();
}
