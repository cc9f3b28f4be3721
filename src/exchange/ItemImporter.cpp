#include "exchange/ItemImporter.h"

#include "app/StatusSink.h"
#include "app/TextHelpers.h"
#include "exchange/CurrencyText.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ImportValues.h"
#include "exchange/ItemInserter.h"
#include "exchange/LearnedListValues.h"
#include "store/FieldCatalogue.h"
#include "store/ScopedTransaction.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

// What one column feeds, worked out once for all rows.
struct ItemImporter::Target
{
    enum class Kind { Name, Text, List, Money, YesNo, Notes };
    Kind kind = Kind::Text;
    int column = 0;          // index of the value in a row
    int slot = 0;            // ItemInserter slot
    int length = 0;          // characters kept, for texts
    int dataFieldNumber = 0; // for list fields
    QString heading;
};

ItemImporter::ItemImporter(TDataModule1 &dm, const QString &collection)
    : m_dm(dm)
    , m_collection(collection)
{
}

QString ItemImporter::missingMessage(const QString &heading, int row)
{
    return QStringLiteral("Missing ") + heading + QStringLiteral(" in Row ") + QString::number(row);
}

QString ItemImporter::conversionMessage(const QString &heading, int row)
{
    return QStringLiteral("Conversion Error in Row ") + QString::number(row) + QStringLiteral(", Column ") + heading;
}

QList<ItemImporter::Target> ItemImporter::targets() const
{
    using FieldCatalogue::EntryKind;
    QList<Target> targets;
    for (int k = 0; k < m_columns.size(); ++k) {
        const int position = m_columns.at(k).position;
        if (!EntryCatalogue::isTarget(position))
            continue;
        Target t;
        t.column = k;
        t.heading = m_columns.at(k).heading;
        if (position == EntryCatalogue::NotesPosition) {
            t.kind = Target::Kind::Notes;
            t.slot = ItemInserter::NotesSlot;
            targets.append(t);
            continue;
        }
        t.slot = ItemInserter::slotOfField(position);
        t.length = FieldCatalogue::maxLength(position);
        t.dataFieldNumber = position;
        switch (FieldCatalogue::entryKind(position)) {
        case EntryKind::Money:
            t.kind = Target::Kind::Money;
            break;
        case EntryKind::CheckBox:
            t.kind = Target::Kind::YesNo;
            break;
        case EntryKind::DropDown:
            t.kind = Target::Kind::List;
            break;
        case EntryKind::Text:
        case EntryKind::Measure:
            t.kind = position == 0 ? Target::Kind::Name : Target::Kind::Text;
            break;
        }
        targets.append(t);
    }
    return targets;
}

bool ItemImporter::hasNameColumn(const QList<Target> &targets, QString *error)
{
    for (const Target &t : targets) {
        if (t.kind == Target::Kind::Name)
            return true;
    }
    *error = QStringLiteral("No column is assigned to the Name field, which every item needs.");
    return false;
}

QString ItemImporter::checkRow(const QList<Target> &targets, int row, const QStringList &values,
                               const CurrencyText &currency)
{
    for (const Target &t : targets) {
        const QString &value = t.column < values.size() ? values.at(t.column) : QString();
        if (t.kind == Target::Kind::Name && value.isEmpty())
            return missingMessage(t.heading, row);
        if (t.kind == Target::Kind::Money && !ImportValues::money(value, &currency))
            return conversionMessage(t.heading, row);
    }
    return {};
}

ImportResult ItemImporter::run(const RowSource &rows)
{
    ImportResult result;
    if (!hasNameColumn(targets(), &result.error))
        return result;
    ShowStatus(QStringLiteral("Validating data"));
    if (!check(rows, &result.error)) {
        result.rowMessage = true;
        return result;
    }
    return write(rows);
}

bool ItemImporter::check(const RowSource &rows, QString *error)
{
    error->clear();
    const QList<Target> targets = this->targets();
    if (!hasNameColumn(targets, error))
        return false;
    const CurrencyText currency;
    rows([&](int row, const QStringList &values) {
        if (m_progress)
            m_progress(Pass::Checking, row);
        *error = checkRow(targets, row, values, currency);
        return error->isEmpty();
    });
    return error->isEmpty();
}

ImportResult ItemImporter::write(const RowSource &rows)
{
    return writeRows(rows, false, {});
}

ImportResult ItemImporter::checkAndWrite(const RowSource &rows, const std::function<QString()> &lastCheck)
{
    return writeRows(rows, true, lastCheck);
}

// Puts the value into the item by the target's rule; false when it is no amount that can be stored.
bool ItemImporter::take(const Target &t, const QString &value, int row, ItemInserter &item, LearnedListValues &learned,
                        const CurrencyText &currency)
{
    switch (t.kind) {
    case Target::Kind::Name:
        item.setText(t.slot, ImportValues::cut(value, t.length));
        return true;
    case Target::Kind::List: {
        const QString text = ImportValues::cut(value, t.length);
        item.setText(t.slot, text);
        learned.learn(t.dataFieldNumber, text, row, t.heading);
        return true;
    }
    case Target::Kind::Text:
        item.setText(t.slot, ImportValues::cut(value, t.length));
        return true;
    case Target::Kind::Money: {
        const std::optional<Money> amount = ImportValues::money(value, &currency);
        if (amount)
            item.setNumber(t.slot, amount->units());
        return amount.has_value();
    }
    case Target::Kind::YesNo:
        item.setNumber(t.slot, TextToBool(value) ? 1 : 0);
        return true;
    case Target::Kind::Notes:
        item.setText(t.slot, value);
        return true;
    }
    return true;
}

ImportResult ItemImporter::writeRows(const RowSource &rows, bool checking, const std::function<QString()> &lastCheck)
{
    ImportResult result;
    const QList<Target> targets = this->targets();
    if (!hasNameColumn(targets, &result.error))
        return result;
    const CurrencyText currency;
    QString failure;
    bool rowMessage = false; // the failure is a message about a row's data
    bool undo = false;       // a row failed its check: nothing may stay
    try {
        ScopedTransaction transaction(m_dm.database());
        LearnedListValues learned(m_dm, m_collection);
        ItemInserter item(m_dm.database(), m_collection);

        rows([&](int row, const QStringList &values) {
            if (m_progress)
                m_progress(Pass::Writing, row);
            if (!checking && row % 10 == 0)
                ShowStatus(QStringLiteral("Importing row ") + QString::number(row));
            for (const Target &t : targets) {
                const QString &value = t.column < values.size() ? values.at(t.column) : QString();
                // Checking as the row is written finds what the checking pass would, in the same order.
                if (checking && t.kind == Target::Kind::Name && value.isEmpty()) {
                    failure = missingMessage(t.heading, row);
                    undo = rowMessage = true;
                    return false;
                }
                if (!take(t, value, row, item, learned, currency)) {
                    failure = conversionMessage(t.heading, row);
                    undo = checking;
                    rowMessage = true;
                    return false;
                }
            }
            try {
                item.insert();
            } catch (const StoreError &e) {
                failure = QStringLiteral("Row %1 could not be added to the collection: %2").arg(row).arg(e.text());
                return false;
            }
            ++result.rowsWritten;
            return true;
        });

        if (!undo && checking && lastCheck) {
            failure = lastCheck();
            undo = !failure.isEmpty();
        }
        if (undo) {
            // Leaving the scope rolls back every row of this pass.
            result.rowsWritten = 0;
            result.error = failure;
            result.rowMessage = rowMessage;
            return result;
        }
        if (item.transactionLost())
            throw StoreError(QStringLiteral("The database has taken back the whole import after that failure."));
        QString listFailure;
        if (!learned.store(&listFailure) && failure.isEmpty()) {
            failure = listFailure;
            rowMessage = true;
        }
        transaction.commit();
    } catch (const StoreError &e) {
        // The transaction could not be opened or kept: nothing of this pass stays.
        result.rowsWritten = 0;
        result.error = (failure.isEmpty() ? QString() : failure + QStringLiteral("\n\n")) + e.text() +
                       QStringLiteral("\n\nNo row has been added.");
        return result;
    }
    result.ok = failure.isEmpty();
    result.error = failure;
    result.rowMessage = rowMessage;
    if (!result.ok && result.rowsWritten > 0)
        result.error += QStringLiteral("\n\n%1 rows have been added.").arg(result.rowsWritten);
    return result;
}
