#include "collections/CollectionCreator.h"

#include "app/TextHelpers.h"
#include "store/FieldCatalogue.h"
#include "store/ScopedTransaction.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <array>
#include <optional>

namespace {

constexpr int MaxNameLength = 30;

struct FieldSetupRec
{
    int DataFieldNumber = 0;
    QString DataFieldLabel;
    QVariant LeftPosition;
    QVariant TopPosition;
    bool IsVisible = true;
};

using Setup = std::array<FieldSetupRec, FieldCatalogue::FieldCount>;

Setup defaultSetup()
{
    Setup setup;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        setup[size_t(n)] = {n, FieldCatalogue::defaultLabel(n), FieldCatalogue::defaultLeft(n),
                            FieldCatalogue::defaultTop(n), true};
    return setup;
}

// The source's rows by data field number. Fields the source lacks keep the default row, so the
// new collection always has all 46. Gives an error text when the source cannot serve as a template.
std::optional<Setup> copiedSetup(TDataModule1 &dm, const QString &source, QString *error)
{
    Setup setup = defaultSetup();
    std::array<bool, FieldCatalogue::FieldCount> seen{};
    int rows = 0;
    Query &q = *dm.FieldSetupQuery;
    try {
        q.setSql({QStringLiteral("Select * from FieldSetup"), QStringLiteral("Where Collection = :BasedOnCollection")});
        q.prepare();
        q.setParamText(QStringLiteral("BasedOnCollection"), source);
        q.open();
        for (; !q.eof(); q.next()) {
            if (++rows > FieldCatalogue::FieldCount) {
                *error = QStringLiteral("The collection %1 has more than %2 field setup rows, so its setup cannot be "
                                        "copied. Nothing was created.")
                             .arg(source)
                             .arg(FieldCatalogue::FieldCount);
                q.reset();
                return std::nullopt;
            }
            const qint64 n = q.fieldInt(QStringLiteral("DataFieldNumber"));
            if (!FieldCatalogue::isField(int(n)) || seen[size_t(n)]) {
                *error = QStringLiteral("The collection %1 has a field setup row for field number %2 that cannot be "
                                        "copied (%3). Nothing was created.")
                             .arg(source)
                             .arg(n)
                             .arg(FieldCatalogue::isField(int(n)) ? QStringLiteral("it appears twice")
                                                                  : QStringLiteral("numbers run from 0 to 45"));
                q.reset();
                return std::nullopt;
            }
            seen[size_t(n)] = true;
            setup[size_t(n)] = {int(n), q.fieldText(QStringLiteral("DataFieldLabel")),
                                q.fieldValue(QStringLiteral("LeftPosition")),
                                q.fieldValue(QStringLiteral("TopPosition")), q.fieldBool(QStringLiteral("IsVisible"))};
        }
    } catch (...) {
        q.reset();
        throw;
    }
    q.reset();
    if (rows == 0) {
        *error = QStringLiteral("The collection %1 has no field setup to copy. Nothing was created.").arg(source);
        return std::nullopt;
    }
    return setup;
}

// The spelling of an existing collection of that name in any letter case (accented letters
// included), if there is one.
std::optional<QString> existingName(TDataModule1 &dm, const QString &name)
{
    Table &types = *dm.CollTypesTable;
    std::optional<QString> found;
    try {
        types.open();
        for (types.first(); !types.eof() && !found; types.next()) {
            const QString existing = types.fieldText(QStringLiteral("CollectionName"));
            if (existing.compare(name, Qt::CaseInsensitive) == 0)
                found = existing;
        }
    } catch (...) {
        types.reset();
        throw;
    }
    types.reset();
    return found;
}

void writeCollection(TDataModule1 &dm, const QString &name, const Setup &setup)
{
    ScopedTransaction transaction(dm.database());
    // Field setup rows left under this name without a collection row would double the new ones.
    Query &q = *dm.FieldSetupQuery;
    q.setSql({QStringLiteral("Delete From FieldSetup Where Collection = :CollName")});
    q.prepare();
    q.setParamText(QStringLiteral("CollName"), name);
    q.execSql();
    q.reset();

    Table &fieldSetup = *dm.FieldSetupTable;
    fieldSetup.open();
    for (const FieldSetupRec &r : setup)
        fieldSetup.insertRecord(
            {QVariant(), name, r.DataFieldNumber, r.DataFieldLabel, r.LeftPosition, r.TopPosition, r.IsVisible});
    fieldSetup.reset();

    Table &types = *dm.CollTypesTable;
    types.open();
    types.insertRecord({name});
    types.reset();
    transaction.commit();
}

} // namespace

CreateResult CollectionCreator::create(TDataModule1 &dm, const QString &name, const QString &basedOn)
{
    CreateResult result;
    result.name = StripSingleQuotes(name);
    if (name.isEmpty()) {
        result.error = QStringLiteral("You must enter a Collection name!");
        return result;
    }
    if (result.name.trimmed().isEmpty()) {
        result.error = QStringLiteral("The Collection name \"%1\" holds nothing but apostrophes and blanks, and "
                                      "apostrophes are removed from names. Enter a name with letters or digits.")
                           .arg(name);
        return result;
    }
    if (result.name.size() > MaxNameLength) {
        result.error = QStringLiteral("A Collection name can have at most %1 characters; \"%2\" has %3.")
                           .arg(MaxNameLength)
                           .arg(result.name)
                           .arg(result.name.size());
        return result;
    }

    try {
        if (const std::optional<QString> existing = existingName(dm, result.name)) {
            result.error =
                *existing == result.name
                    ? QStringLiteral("A Collection named %1 already exists. Choose another name.").arg(*existing)
                    : QStringLiteral("A Collection named %1 already exists (names are compared without "
                                     "regard to letter case). Choose another name.")
                          .arg(*existing);
            return result;
        }
        Setup setup;
        if (basedOn.isEmpty()) {
            setup = defaultSetup();
        } else {
            QString error;
            const std::optional<Setup> copied = copiedSetup(dm, basedOn, &error);
            if (!copied) {
                result.error = error;
                return result;
            }
            setup = *copied;
        }
        writeCollection(dm, result.name, setup);
    } catch (const StoreError &e) {
        dm.FieldSetupQuery->reset();
        dm.FieldSetupTable->reset();
        dm.CollTypesTable->reset();
        result.error = QStringLiteral("The Collection %1 could not be created; nothing was written.\n\n%2")
                           .arg(result.name, e.text());
        return result;
    }
    result.ok = true;
    return result;
}
