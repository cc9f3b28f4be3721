#pragma once

#include <QString>

// Small text helpers shared by the windows, the import and the export.

// 'text' — for collection names in filters; nothing inside is escaped.
QString QuoteSingle(const QString &text);
// "text" — nothing inside is escaped.
QString QuoteDouble(const QString &text);
// One value of a comma-separated line: quoted when it holds a comma, a double quote, CR or LF,
// with inner double quotes doubled; otherwise unchanged.
QString CsvField(const QString &text);
// The text without any single quote.
QString StripSingleQuotes(const QString &text);
// True when the text, upper-cased, starts with 1, T or Y (a leading blank gives false).
bool TextToBool(const QString &text);
// A plain decimal money text ("1234.50", "-5.25") read from a user's or a file's amount:
// currency signs, blanks and thousands separators are dropped, the sign is kept (a leading
// or trailing minus, or parentheses), and the locale's own currency text is understood.
// Anything that is no amount gives "0.00".
QString TextToMoney(const QString &text);
