#pragma once

#include <QString>

class TDataModule1;

struct CreateResult
{
    bool ok = false;
    QString name; // the cleaned name
    QString error;
};

// Makes a new collection: its row of the collection table and its 46 field setup rows.
class CollectionCreator
{
public:
    // basedOn empty: the default setup of the field catalogue; otherwise a copy of that collection's
    // 46 field setup rows. Strips apostrophes; refuses an empty name or one that exists in any letter
    // case (clear message), writes the collection row and the 46 rows in one transaction.
    static CreateResult create(TDataModule1 &dm, const QString &name, const QString &basedOn = QString());
};
