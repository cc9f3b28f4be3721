#pragma once

#include "store/FieldLayout.h"

#include <QString>

class TDataModule1;

struct SaveResult
{
    bool ok = false;
    QString error;
};

// Writes a collection's layout into its 46 field setup rows.
class FieldSetupSaver
{
public:
    // Label, positions and visibility of every field, changed or not, in one transaction. A field
    // without its row is an error, and like any failure of the store it leaves every row as it was.
    static SaveResult save(TDataModule1 &dm, const QString &collection, const FieldLayoutTable &layout);
};
