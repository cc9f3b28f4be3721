#pragma once

#include "store/FieldCatalogue.h"
#include "store/FieldLayout.h"
#include "store/ScopedTransaction.h"
#include "store/TDataModule1.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <memory>

// A fresh data folder with an opened data module, for one test.
class TestDatabase
{
public:
    TestDatabase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FieldLayout = FieldLayoutTable{};
        module = std::make_unique<TDataModule1>(dir.path());
        QString error;
        opened = module->open(&error);
        if (!opened)
            qWarning("%s", qPrintable(error));
    }

    TDataModule1 &dm() { return *module; }

    // A collection row and its 46 field setup rows with the default labels and places.
    void addCollection(const QString &name)
    {
        ScopedTransaction transaction(dm().database());
        Table &types = *dm().CollTypesTable;
        types.open();
        types.insertRecord({name});
        types.close();
        Table &setup = *dm().FieldSetupTable;
        setup.open();
        for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
            setup.insertRecord({QVariant(), name, n, FieldCatalogue::defaultLabel(n), FieldCatalogue::defaultLeft(n),
                                FieldCatalogue::defaultTop(n), true});
        setup.close();
        transaction.commit();
    }

    // An item of the collection with the given columns (text values, read as the columns' kinds).
    qint64 addItem(const QString &collection, const QVariantMap &columns)
    {
        Table &t = *dm().CollectionsTable;
        const bool wasOpen = t.isOpen();
        if (!wasOpen)
            t.open();
        t.insert();
        t.setFieldText(QStringLiteral("Collection"), collection);
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            t.setFieldValue(it.key(), it.value());
        t.post();
        const qint64 key = t.currentKey();
        if (!wasOpen)
            t.close();
        return key;
    }

    QTemporaryDir dir;
    std::unique_ptr<TDataModule1> module;
    bool opened = false;
};
