#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <array>

struct sqlite3;
struct sqlite3_stmt;

// Adds items to the item table, each with one insert through a statement prepared once on the
// database's own connection (so inside the caller's transaction). An item's values are set by
// slot: the Name, the collection, the 45 other fields by data field number, the notes. Slots not
// set hold the empty item: no text, 0 for money and yes/no fields, the collection's name. The
// store gives each item its ID; pictures stay empty.
class ItemInserter
{
public:
    static constexpr int NameSlot = 0;
    static constexpr int CollectionSlot = 1;
    static constexpr int NotesSlot = 47;
    static constexpr int SlotCount = 48;

    // The slot of a data field number (0 to 45).
    static constexpr int slotOfField(int dataFieldNumber)
    {
        return dataFieldNumber == 0 ? NameSlot : dataFieldNumber + 1;
    }

    // Prepares the statement. Throws StoreError.
    ItemInserter(const QSqlDatabase &db, const QString &collection);
    ~ItemInserter();
    ItemInserter(const ItemInserter &) = delete;
    ItemInserter &operator=(const ItemInserter &) = delete;

    // A text; the empty text stores nothing (as a cleared field does).
    void setText(int slot, const QString &text);
    // A whole number: money in ten-thousandths, yes/no as 0 or 1.
    void setNumber(int slot, qint64 value);

    // Adds the item and starts the next one from the empty item. Throws StoreError.
    void insert();
    // Whether the database has ended the caller's transaction, as it does on some failures (a full
    // disk): what was written in it is gone.
    bool transactionLost() const;

private:
    enum class Kind { Null, Text, Number };
    struct Slot
    {
        Kind kind = Kind::Null;
        QString text;
        qint64 number = 0;
    };

    void clear();
    [[noreturn]] void fail();

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    std::array<Slot, SlotCount> m_empty;
    std::array<Slot, SlotCount> m_slots;
    QByteArray m_buffer; // the texts of an item in UTF-8, bound until the statement has run
};
