#include "exchange/ItemInserter.h"

#include "store/FieldCatalogue.h"
#include "store/Schema.h"
#include "store/SqliteStatement.h"
#include "store/StoreError.h"

#include <QStringEncoder>
#include <sqlite3.h>

namespace {

QString insertStatement()
{
    QStringList columns(ItemInserter::SlotCount);
    columns[ItemInserter::NameSlot] = QStringLiteral("Name");
    columns[ItemInserter::CollectionSlot] = QStringLiteral("Collection");
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n)
        columns[ItemInserter::slotOfField(n)] = FieldCatalogue::column(n);
    columns[ItemInserter::NotesSlot] = QStringLiteral("Notes");
    for (QString &column : columns)
        column = Schema::quoted(column);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(Schema::quoted(Schema::collection().name), columns.join(u", "),
             QStringList(ItemInserter::SlotCount, QStringLiteral("?")).join(u", "));
}

} // namespace

ItemInserter::ItemInserter(const QSqlDatabase &db, const QString &collection)
    : m_db(SqliteStatement::handle(db))
{
    const QString table = Schema::collection().fileName;
    if (!m_db)
        throw StoreError(QStringLiteral("Cannot add items to %1: the database is not open.").arg(table));
    const QByteArray sql = insertStatement().toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(m_statement);
        throw StoreError(QStringLiteral("Cannot add items to %1: %2").arg(table, reason));
    }
    m_empty[CollectionSlot] = {Kind::Text, collection, 0};
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n) {
        const FieldCatalogue::EntryKind kind = FieldCatalogue::entryKind(n);
        if (kind == FieldCatalogue::EntryKind::Money || kind == FieldCatalogue::EntryKind::CheckBox)
            m_empty[size_t(slotOfField(n))] = {Kind::Number, QString(), 0};
    }
    m_slots = m_empty;
}

ItemInserter::~ItemInserter()
{
    sqlite3_finalize(m_statement);
}

void ItemInserter::setText(int slot, const QString &text)
{
    Slot &s = m_slots[size_t(slot)];
    s.kind = text.isEmpty() ? Kind::Null : Kind::Text;
    s.text = text;
}

void ItemInserter::setNumber(int slot, qint64 value)
{
    Slot &s = m_slots[size_t(slot)];
    s.kind = Kind::Number;
    s.number = value;
}

void ItemInserter::clear()
{
    for (size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i].kind = m_empty[i].kind;
        m_slots[i].number = m_empty[i].number;
        if (m_empty[i].kind == Kind::Text)
            m_slots[i].text = m_empty[i].text;
    }
}

void ItemInserter::fail()
{
    const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_statement);
    clear();
    throw StoreError(QStringLiteral("Cannot add the row to %1: %2").arg(Schema::collection().fileName, reason));
}

void ItemInserter::insert()
{
    // All texts go into one buffer first, so that it no longer moves when they are bound.
    qsizetype space = 0;
    for (const Slot &s : m_slots) {
        if (s.kind == Kind::Text)
            space += s.text.size() * 3;
    }
    if (m_buffer.size() < space)
        m_buffer.resize(space);
    std::array<std::pair<qsizetype, qsizetype>, SlotCount> spans{};
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    char *const start = m_buffer.data();
    char *out = start;
    for (size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].kind != Kind::Text)
            continue;
        char *const begin = out;
        out = encoder.appendToBuffer(out, m_slots[i].text);
        spans[i] = {begin - start, out - begin};
    }
    for (size_t i = 0; i < m_slots.size(); ++i) {
        const Slot &s = m_slots[i];
        const int column = int(i) + 1;
        int rc = SQLITE_OK;
        switch (s.kind) {
        case Kind::Null:
            rc = sqlite3_bind_null(m_statement, column);
            break;
        case Kind::Number:
            rc = sqlite3_bind_int64(m_statement, column, s.number);
            break;
        case Kind::Text:
            rc = sqlite3_bind_text(m_statement, column, start + spans[i].first, int(spans[i].second), SQLITE_STATIC);
            break;
        }
        if (rc != SQLITE_OK)
            fail();
    }
    if (sqlite3_step(m_statement) != SQLITE_DONE)
        fail();
    sqlite3_reset(m_statement);
    clear();
}

bool ItemInserter::transactionLost() const
{
    return sqlite3_get_autocommit(m_db) != 0;
}
