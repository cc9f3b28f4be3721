#include "exchange/EntryCatalogue.h"

#include "store/FieldCatalogue.h"
#include "store/TDataModule1.h"

#include <QList>

EntryCatalogue::EntryCatalogue(const QStringList &labels, Use use)
{
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        m_entries.append(n < labels.size() ? labels.at(n) : FieldCatalogue::defaultLabel(n));
    m_entries.append(QStringLiteral("Notes"));
    if (use == Use::Import) {
        for (int i = 1; i <= IgnoreCount; ++i)
            m_entries.append(QStringLiteral("Ignore_Field%1").arg(i, 2, 10, QLatin1Char('0')));
    }
}

EntryCatalogue EntryCatalogue::load(TDataModule1 &dm, const QString &collection, Use use)
{
    QStringList labels;
    QList<bool> seen(FieldCatalogue::FieldCount, false);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        labels.append(FieldCatalogue::defaultLabel(n));

    Query &q = *dm.FieldSetupQuery;
    try {
        q.setSql({QStringLiteral("Select * From FieldSetup"), QStringLiteral("Where Collection = :CollectionName"),
                  QStringLiteral("Order by DataFieldNumber")});
        q.prepare();
        q.setParamText(QStringLiteral("CollectionName"), collection);
        q.open();
        for (; !q.eof(); q.next()) {
            const qint64 n = q.fieldInt(QStringLiteral("DataFieldNumber"));
            // A row of an unknown number, or a second row of one number, is passed over: positions
            // must stay data field numbers.
            if (!FieldCatalogue::isField(int(n)) || seen[n])
                continue;
            seen[n] = true;
            labels[n] = q.fieldText(QStringLiteral("DataFieldLabel"));
        }
    } catch (...) {
        q.reset();
        throw;
    }
    q.reset();
    return EntryCatalogue(labels, use);
}

int EntryCatalogue::find(const QString &text) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool EntryCatalogue::isIgnore(int position)
{
    return position >= FirstIgnorePosition && position < FirstIgnorePosition + IgnoreCount;
}
