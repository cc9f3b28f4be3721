#include "app/OptionsStore.h"

#include "store/SysConfig.h"
#include "store/TDataModule1.h"

void OptionsStore::save(TDataModule1 &dm, const SysConfigRecord &options)
{
    Table &table = *dm.OptionsTable;
    try {
        table.open();
        if (table.isEmpty())
            table.insert();
        else
            table.edit();
        table.setFieldText(QStringLiteral("BackgroundPicture"), options.BackgroundPicture);
        table.setFieldText(QStringLiteral("ReportTitle"), options.ReportTitle);
        table.setFieldBool(QStringLiteral("Centered"), options.Centered);
        table.setFieldText(QStringLiteral("PicturesDirectory"), options.PicturesDirectory);
        table.setFieldBool(QStringLiteral("AutoClear"), options.AutoClear);
        table.setFieldText(QStringLiteral("DefaultCollection"), options.DefaultCollection);
        table.post();
        table.reset();
    } catch (...) {
        table.reset(); // closing drops the unsaved row
        throw;
    }
}
