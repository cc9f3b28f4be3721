#include "items/BrowseRowReader.h"

#include "store/FilterParser.h"
#include "store/Money.h"
#include "store/Schema.h"
#include "store/SqliteStatement.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include <vector>

BrowseRowReader::BrowseRowReader(const GridColumnOrder &order, const QLocale &locale)
    : m_locale(locale)
{
    for (int c = 1; c <= BrowseRow::ColumnCount; ++c)
        m_fieldInColumn[c - 1] = order.fieldInColumn(c);
}

QString BrowseRowReader::cellText(int field, const QVariant &stored) const
{
    switch (FieldCatalogue::entryKind(field)) {
    case FieldCatalogue::EntryKind::Money:
        return Money::fromUnits(stored.toLongLong()).toCurrencyString(m_locale);
    case FieldCatalogue::EntryKind::CheckBox:
        if (stored.isNull())
            return {};
        return stored.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return stored.toString();
    }
}

QVector<BrowseRow> BrowseRowReader::readAll(const QSqlDatabase &db, const QString &filter) const
{
    const TableDef &items = Schema::collection();
    QStringList columns{Schema::quoted(QStringLiteral("ID"))};
    std::array<int, BrowseRow::ColumnCount> selected; // position in the statement of each grid column's field
    for (int c = 0; c < BrowseRow::ColumnCount; ++c) {
        const int field = m_fieldInColumn[c];
        selected[c] = field >= 0 ? int(columns.size()) : -1;
        if (field >= 0)
            columns.append(Schema::quoted(FieldCatalogue::column(field)));
    }
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(u", "), Schema::quoted(items.name));
    QVariantList values;
    if (!filter.trimmed().isEmpty()) {
        QString error;
        const std::optional<SqlCondition> condition = FilterParser::translate(filter, items, &error);
        if (!condition)
            throw StoreError(error);
        sql += QStringLiteral(" WHERE ") + condition->sql;
        values = condition->values;
    }
    // The item table's "Name" order: by name without regard to case, then by key.
    sql += QStringLiteral(" ORDER BY \"Name\" COLLATE NOCASE, \"ID\"");

    SqliteStatement statement(db, sql);
    const auto fail = [&statement] {
        throw StoreError(
            QStringLiteral("Cannot read %1: %2").arg(Schema::collection().fileName, statement.errorText()));
    };
    if (!statement.isValid())
        fail();
    for (const QVariant &value : values)
        statement.addBindValue(value);
    QVector<BrowseRow> rows;
    std::vector<char16_t> texts; // the row being read
    texts.reserve(4096);
    const auto append = [&texts](QStringView text) {
        texts.insert(texts.end(), text.utf16(), text.utf16() + text.size());
    };
    std::array<quint32, BrowseRow::ColumnCount> ends{};
    const QString yes = QStringLiteral("True");
    const QString no = QStringLiteral("False");
    const QString zero = Money().toCurrencyString(m_locale); // the most common amount by far
    while (statement.step()) {
        texts.clear();
        for (int c = 0; c < BrowseRow::ColumnCount; ++c) {
            const int field = m_fieldInColumn[c];
            const int at = selected[c];
            if (field >= 0) {
                switch (FieldCatalogue::entryKind(field)) {
                case FieldCatalogue::EntryKind::Money: {
                    const qint64 units = statement.integer(at);
                    append(units == 0 ? zero : Money::fromUnits(units).toCurrencyString(m_locale));
                    break;
                }
                case FieldCatalogue::EntryKind::CheckBox:
                    if (!statement.isNull(at))
                        append(statement.integer(at) != 0 ? yes : no);
                    break;
                default:
                    append(statement.textView(at));
                }
            }
            ends[c] = quint32(texts.size());
        }
        rows.append(BrowseRow(statement.integer(0), QStringView(texts.data(), qsizetype(texts.size())), ends));
    }
    if (statement.failed())
        fail();
    return rows;
}

BrowseRow BrowseRowReader::read(const Table &items) const
{
    BrowseRow::Cells cells;
    for (int c = 0; c < BrowseRow::ColumnCount; ++c) {
        const int field = m_fieldInColumn[c];
        if (field >= 0)
            cells[c] = cellText(field, items.fieldValue(FieldCatalogue::column(field)));
    }
    return BrowseRow(items.fieldValue(QStringLiteral("ID")).toLongLong(), cells);
}
