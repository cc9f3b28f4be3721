#include "collections/CollectionDeleter.h"

#include "collections/CollectionFilter.h"
#include "store/ScopedTransaction.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

bool CollectionDeleter::hasItems(TDataModule1 &dm, const QString &name)
{
    Table &items = *dm.CollectionsTable;
    bool found = false;
    try {
        // The item table's filter ignores letter case.
        items.setFilter(CollectionFilter::of(name));
        items.setFiltered(true);
        items.open();
        found = items.recordCount() > 0;
    } catch (...) {
        items.reset();
        throw;
    }
    items.reset();
    return found;
}

DeleteResult CollectionDeleter::remove(TDataModule1 &dm, const QString &name)
{
    DeleteResult result;
    try {
        if (hasItems(dm, name)) {
            result.outcome = DeleteResult::Outcome::HasItems;
            result.message =
                QStringLiteral("Cannot delete ") + name + QStringLiteral("\n\nThe collection contains items");
            return result;
        }
    } catch (const StoreError &e) {
        result.message = QStringLiteral("Could not find out whether the collection %1 holds items, so it was not "
                                        "deleted.\n\n%2")
                             .arg(name, e.text());
        return result;
    }

    Table &types = *dm.CollTypesTable;
    Query &q = *dm.FieldSetupQuery;
    try {
        ScopedTransaction transaction(dm.database());
        types.open();
        if (!types.locate(QStringLiteral("CollectionName"), name, true)) {
            types.reset();
            result.message = QStringLiteral("There is no collection named %1 to delete.").arg(name);
            return result;
        }
        types.remove();
        types.reset();
        q.setSql({QStringLiteral("Delete From FieldSetup Where Collection = :CollName")});
        q.prepare();
        q.setParamText(QStringLiteral("CollName"), name);
        q.execSql();
        q.reset();
        transaction.commit();
    } catch (const StoreError &e) {
        types.reset();
        q.reset();
        result.message =
            QStringLiteral("The collection %1 could not be deleted; nothing was changed.\n\n%2").arg(name, e.text());
        return result;
    }
    result.outcome = DeleteResult::Outcome::Deleted;
    return result;
}
