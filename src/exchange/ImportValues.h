#pragma once

#include "store/Money.h"

class CurrencyText;
#include <QString>
#include <optional>

// How the import reads one value of a file.
namespace ImportValues {

// The first `length` characters of the text; a letter written as two UTF-16 units is never split.
QString cut(const QString &text, int length);

// The amount a money value stands for, by TextToMoney: currency text, a plain amount, with its
// sign; text that is no amount gives 0. Nothing when the amount is too large to store. The
// locale's currency text is read faster through `currency`, when given.
std::optional<Money> money(const QString &text, const CurrencyText *currency = nullptr);

} // namespace ImportValues
