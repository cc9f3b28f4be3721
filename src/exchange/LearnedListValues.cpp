#include "exchange/LearnedListValues.h"

#include "collections/ListValues.h"
#include "exchange/ItemImporter.h"
#include "store/StoreError.h"

#include <QStringList>

LearnedListValues::LearnedListValues(TDataModule1 &dm, const QString &collection)
    : m_dm(dm)
    , m_collection(collection)
{
    const QHash<int, QStringList> lists = ListValues::load(dm, collection);
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        if (it.key() < 0 || it.key() >= int(m_fields.size()))
            continue;
        QSet<QString> &known = m_fields[size_t(it.key())].known;
        for (const QString &value : it.value())
            known.insert(value.toCaseFolded());
    }
}

void LearnedListValues::learn(int dataFieldNumber, const QString &value, int row, const QString &heading)
{
    if (value.isEmpty())
        return;
    Field &field = m_fields[size_t(dataFieldNumber)];
    if (field.seen.contains(value))
        return;
    field.seen.insert(value);
    const QString key = value.toCaseFolded();
    if (field.known.contains(key))
        return;
    field.known.insert(key);
    m_pending.append({dataFieldNumber, value});
    m_origins.append({row, heading});
}

bool LearnedListValues::store(QString *error)
{
    int stored = 0;
    bool ok = true;
    try {
        ListValues::LearnListValues(m_dm, m_collection, m_pending, &stored);
    } catch (const StoreError &e) {
        const auto &[row, heading] = m_origins.at(stored);
        *error = ItemImporter::conversionMessage(heading, row) + QStringLiteral("\n\n") + e.text();
        ok = false;
    }
    m_pending.clear();
    m_origins.clear();
    return ok;
}
