#pragma once

#include "store/FieldCatalogue.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <utility>

class TDataModule1;

// The import's learning of list values: what the collection's lists hold, and the values new to
// them met during an import, which are stored together (one opening of the list table) when the
// pass ends. Letter case is ignored when values are compared, as ListValues::contains does;
// empty values are never learned.
class LearnedListValues
{
public:
    // Reads what the lists hold. Throws StoreError.
    LearnedListValues(TDataModule1 &dm, const QString &collection);

    // Remembers the value of the list field when its list does not hold it yet; `row` and
    // `heading` name where it came from, for a message should storing it fail.
    void learn(int dataFieldNumber, const QString &value, int row, const QString &heading);
    int pendingCount() const { return int(m_pending.size()); }

    // Stores the values remembered since the last call. False, with the "Conversion Error ..."
    // message of the value that could not be stored and the reason.
    bool store(QString *error);

private:
    TDataModule1 &m_dm;
    QString m_collection;
    struct Field
    {
        QSet<QString> known; // case-folded
        QSet<QString> seen;  // as met, so that a repeated value needs no case folding
    };
    std::array<Field, FieldCatalogue::FieldCount> m_fields; // by data field number
    QList<std::pair<int, QString>> m_pending;
    QList<std::pair<int, QString>> m_origins; // row and column heading of each pending value
};
