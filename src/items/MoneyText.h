#pragma once

#include "store/Money.h"

#include <QLocale>
#include <QString>
#include <optional>

// The text of a money entry field: an amount in the locale's currency form with as many
// decimals as it needs (two at least, four at most), so every stored amount shows exactly.
namespace MoneyText {

// The most digits a user may type before the decimal point.
constexpr int MaxWholeDigits = 13;

// "$1,234.50", "-$0.1234", "$0.00" in en_US.
QString format(Money amount, const QLocale &locale = Money::currencyLocale());

// Reads what a user typed or what format() wrote: the currency symbol, blanks and thousands
// separators may stand anywhere; a minus sign or parentheses make it negative; the locale's
// decimal point separates at most four decimals. Empty text (or a sign or symbol alone) is 0.
// Anything else gives nothing.
std::optional<Money> parse(const QString &text, const QLocale &locale = Money::currencyLocale());

enum class Validity { Acceptable, Intermediate, Invalid };

// Whether typing may lead to this text: Invalid for letters, a second decimal point, a fifth
// decimal or more than MaxWholeDigits digits; Intermediate for a sign or symbol without digits.
Validity validate(const QString &text, const QLocale &locale = Money::currencyLocale());

} // namespace MoneyText
