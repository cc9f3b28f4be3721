#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class CurrencyText;
class ItemInserter;
class LearnedListValues;
class TDataModule1;

// One column of the rows to import.
struct ImportColumn
{
    QString heading;   // as the verify table heads it: a blank, then the entry's text
    int position = -1; // the entry's place in the EntryCatalogue; -1 (no entry) or an Ignore_Field: skipped
};

struct ImportResult
{
    bool ok = false;
    int rowsWritten = 0;
    QString error;           // for the user, when !ok
    bool rowMessage = false; // the error is "Missing ..." or "Conversion Error ...", about the data
};

// Brings rows of values into a collection, one new item per row: first a checking pass over all
// rows that writes nothing, then, only when every row passed, a writing pass.
//
// Column k of a row feeds the target of its catalogue position: Name (first 40 characters; an
// empty value fails the row), list fields and other texts (first 30), measure units (first 3),
// money (TextToMoney, sign kept), yes/no (TextToBool), Notes (whole). Targets no column feeds get
// the empty text, 0 or false; every item gets the collection's name. New values of list fields are
// learned for the collection's lists (letter case ignored, empty values never).
//
// The writing pass runs in one transaction and creates each item with one insert. When it stops
// on a failure, the rows written before it are kept and the failure is reported.
class ItemImporter
{
public:
    enum class Pass { Checking, Writing };
    // Gets each row with its number (from 1); returning false stops the pass.
    using RowVisitor = std::function<bool(int row, const QStringList &values)>;
    // Hands every row to the visitor in order, until the visitor returns false. Called once per pass.
    using RowSource = std::function<void(const RowVisitor &visit)>;
    using Progress = std::function<void(Pass pass, int row)>;

    ItemImporter(TDataModule1 &dm, const QString &collection);

    void setColumns(const QList<ImportColumn> &columns) { m_columns = columns; }
    const QList<ImportColumn> &columns() const { return m_columns; }
    // Called for every row of both passes.
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Shows "Validating data", checks every row, and then writes them, showing "Importing row "
    // and the row number for every tenth row. Store failures come back as errors too.
    ImportResult run(const RowSource &rows);
    // The two passes of run() on their own, for a caller that has more to check in between.
    // check() writes nothing: false, with the message, for the first row that cannot be imported.
    bool check(const RowSource &rows, QString *error);
    ImportResult write(const RowSource &rows);
    // Both passes in one reading of the rows, for files too large to read twice: each row is
    // checked as it comes and written at once inside the transaction; when a row fails its check,
    // or lastCheck (called after the last row) gives an error text, every row is taken back, so
    // that, as with run(), nothing is written. No status texts.
    ImportResult checkAndWrite(const RowSource &rows, const std::function<QString()> &lastCheck = {});

    // "Missing " + heading + " in Row " + row.
    static QString missingMessage(const QString &heading, int row);
    // "Conversion Error in Row " + row + ", Column " + heading.
    static QString conversionMessage(const QString &heading, int row);

private:
    struct Target;

    QList<Target> targets() const;
    static bool hasNameColumn(const QList<Target> &targets, QString *error);
    static QString checkRow(const QList<Target> &targets, int row, const QStringList &values,
                            const CurrencyText &currency);
    static bool take(const Target &t, const QString &value, int row, ItemInserter &item, LearnedListValues &learned,
                     const CurrencyText &currency);
    ImportResult writeRows(const RowSource &rows, bool checking, const std::function<QString()> &lastCheck);

    TDataModule1 &m_dm;
    QString m_collection;
    QList<ImportColumn> m_columns;
    Progress m_progress;
};
