#include "exchange/ImportValues.h"

#include "app/TextHelpers.h"
#include "exchange/CurrencyText.h"

namespace ImportValues {

QString cut(const QString &text, int length)
{
    if (text.size() <= length)
        return text;
    QString part = text.left(length);
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    return part;
}

std::optional<Money> money(const QString &text, const CurrencyText *currency)
{
    if (text.isEmpty())
        return Money();
    // A plain amount, and the currency text of an amount, read the same either way; only other
    // text needs the full rule.
    if (currency) {
        if (const std::optional<Money> amount = currency->read(text))
            return amount;
    }
    if (const std::optional<Money> plain = Money::fromText(text))
        return plain;
    return Money::fromText(TextToMoney(text));
}

} // namespace ImportValues
