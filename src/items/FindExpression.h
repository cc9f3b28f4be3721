#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The field search of the find dialog: the 44 searchable fields (every data field but the two
// measure units) and the item-table filter that finds a value in one of them.
class FindExpression
{
public:
    static constexpr int EntryCount = 44;
    static constexpr const char *NotTrueOrFalse = "This field must be TRUE or FALSE";

    enum class ClauseKind {
        Text,   // quoted prefix match: Name = 'abc*'
        Number, // unquoted, compared as a number: RetailPrice = 12.5
        YesNo   // TRUE or FALSE: LimitedEdition = TRUE
    };

    // The data field number of the list entry at this position (0 to 43).
    static int fieldOfEntry(int position);
    static ClauseKind clauseKind(int position);
    // The 44 entries' texts, from the labels of the 46 fields.
    static QStringList entryLabels(const QStringList &labels);

    // "Collection = '<collection>' And  <clause>" for the entry at this position and the text
    // as typed. Single quotes inside a quoted value are doubled, so the text is searched for as
    // it is. A yes/no entry with a text that is neither TRUE nor FALSE in any letter case gives
    // nothing and the message to show.
    static std::optional<QString> build(const QString &collection, int position, const QString &text, QString *error);
};
