#include "collections/FieldSetupSaver.h"

#include "collections/CollectionFilter.h"
#include "store/ScopedTransaction.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

SaveResult FieldSetupSaver::save(TDataModule1 &dm, const QString &collection, const FieldLayoutTable &layout)
{
    SaveResult result;
    Table &setup = *dm.FieldSetupTable;
    try {
        ScopedTransaction transaction(dm.database());
        setup.setFilter(CollectionFilter::of(collection));
        setup.setFiltered(true);
        setup.open();
        for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
            if (!setup.locate(QStringLiteral("DataFieldNumber"), n)) {
                setup.reset();
                result.error = QStringLiteral("The field setup of %1 has no row for field %2 (%3), so the layout "
                                              "was not saved. No field was changed.")
                                   .arg(collection)
                                   .arg(n)
                                   .arg(FieldCatalogue::column(n));
                return result;
            }
            const FieldLayoutEntry &entry = layout[size_t(n)];
            setup.edit();
            setup.setFieldText(QStringLiteral("DataFieldLabel"), entry.Label);
            setup.setFieldInt(QStringLiteral("LeftPosition"), entry.LeftPosition);
            setup.setFieldInt(QStringLiteral("TopPosition"), entry.TopPosition);
            setup.setFieldBool(QStringLiteral("IsVisible"), entry.IsVisible);
            setup.post();
        }
        setup.reset();
        transaction.commit();
    } catch (const StoreError &e) {
        setup.cancel();
        setup.reset();
        result.error = QStringLiteral("The field layout of %1 could not be saved; no field was changed.\n\n%2")
                           .arg(collection, e.text());
        return result;
    }
    result.ok = true;
    return result;
}
