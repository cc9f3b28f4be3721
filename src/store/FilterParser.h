#pragma once

#include "store/Schema.h"

#include <QString>
#include <QVariantList>
#include <optional>

// A table filter turned into an SQL condition with bound values.
struct SqlCondition
{
    QString sql;         // e.g. ("Collection" = ? COLLATE NOCASE AND "DataFieldNumber" = ?)
    QVariantList values; // one per '?', in order
};

// Reads the filter texts the program writes:
//   Column = 'text' [and Column = 'prefix*'] [And Column = 12.5] [and Column = TRUE]
// Comparisons are joined by "and" in any letter case. Inside a quoted value two single quotes
// stand for one; a trailing asterisk makes a prefix match. Numbers compare numerically (money
// columns exactly), TRUE and FALSE compare with logical columns (an unset value is false).
// On a case-insensitive table text compares without regard to the case of a to z.
// The user's text never becomes SQL text: every value is bound.
class FilterParser
{
public:
    static std::optional<SqlCondition> translate(const QString &filter, const TableDef &table, QString *error);
};
