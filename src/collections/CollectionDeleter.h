#pragma once

#include <QString>

class TDataModule1;

struct DeleteResult
{
    enum class Outcome { Deleted, HasItems, Failed };
    Outcome outcome = Outcome::Failed;
    QString message; // for HasItems the warning to show, for Failed the reason; empty when deleted
};

// Removes a collection that holds no items: its row of the collection table and its field setup
// rows. Its remembered list values and its browse layout stay, so that a collection created
// later under the same name finds them again.
class CollectionDeleter
{
public:
    // Whether any item is stored under the name, in any letter case. Throws StoreError.
    static bool hasItems(TDataModule1 &dm, const QString &name);

    // Refuses a collection with items (or whose items cannot be counted); otherwise deletes the
    // collection row and the field setup rows in one transaction, so a failure changes nothing.
    static DeleteResult remove(TDataModule1 &dm, const QString &name);
};
