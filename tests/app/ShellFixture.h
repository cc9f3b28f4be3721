#pragma once

#include "app/OptionsStore.h"
#include "common/TestDatabase.h"
#include "store/SysConfig.h"

#include <QSqlQuery>

// A data folder with collections whose first field is labelled "<collection> name", so that
// the loaded FieldLayout tells which collection it came from.
class ShellFixture : public TestDatabase
{
public:
    explicit ShellFixture(const QStringList &collections = {})
    {
        for (const QString &name : collections)
            addLabelledCollection(name);
    }

    void addLabelledCollection(const QString &name)
    {
        addCollection(name);
        QSqlQuery q(dm().database());
        q.prepare(
            QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = ? WHERE Collection = ? AND DataFieldNumber = 0"));
        q.addBindValue(labelOf(name));
        q.addBindValue(name);
        QVERIFY(q.exec());
    }

    static QString labelOf(const QString &collection) { return collection + QStringLiteral(" name"); }

    // Writes the options row as the options dialog would.
    void saveOptions(const SysConfigRecord &options) { OptionsStore::save(dm(), options); }

    SysConfigRecord storedOptions()
    {
        const SysConfigRecord kept = SysConfigRec;
        dm().LoadOptions();
        const SysConfigRecord stored = SysConfigRec;
        SysConfigRec = kept;
        return stored;
    }
};
