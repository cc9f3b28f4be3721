#include "store/Table.h"

#include "store/FilterParser.h"
#include "store/SqliteStatement.h"
#include "store/StoreError.h"

#include <QSqlQuery>

#include <QSqlError>
#include <QSqlRecord>

namespace {

bool isTextKind(ColumnKind kind)
{
    return kind == ColumnKind::Text || kind == ColumnKind::Memo || kind == ColumnKind::DateTime;
}

// The value as the program reads it, for telling whether a write changes anything.
QString readForm(const ColumnDef &column, const QVariant &value)
{
    if (value.isNull())
        return isTextKind(column.kind) || column.kind == ColumnKind::Blob ? QString() : QStringLiteral("0");
    if (column.kind == ColumnKind::Blob)
        return QString::fromLatin1(value.toByteArray().toHex());
    return value.toString();
}

} // namespace

Table::Table(const QSqlDatabase &db, const TableDef &definition)
    : m_db(db)
    , m_def(definition)
{
    QStringList columns;
    for (const ColumnDef &c : m_def.columns)
        columns.append(Schema::quoted(c.name));
    m_fetchSql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                     .arg(columns.join(u", "), Schema::quoted(m_def.name), keyExpression());
}

Table::~Table() = default;

bool Table::exists() const
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(m_def.name);
    return q.exec() && q.next();
}

void Table::requireOpen(const char *operation) const
{
    if (m_state == State::Inactive)
        throw StoreError(
            QStringLiteral("Cannot %1: the table %2 is not open.").arg(QString::fromLatin1(operation), m_def.fileName));
}

int Table::columnIndexOrThrow(const QString &column) const
{
    const auto it = m_columnIndex.constFind(column);
    if (it != m_columnIndex.cend())
        return it.value();
    const int i = m_def.columnIndex(column);
    if (i < 0)
        throw StoreError(QStringLiteral("%1 has no column named %2.").arg(m_def.fileName, column));
    m_columnIndex.insert(column, i);
    return i;
}

QString Table::keyExpression() const
{
    return m_def.key.compare(QStringLiteral("rowid"), Qt::CaseInsensitive) == 0 ? QStringLiteral("rowid")
                                                                                : Schema::quoted(m_def.key);
}

QString Table::orderSql() const
{
    QStringList columns;
    if (!m_indexName.isEmpty()) {
        bool known = false;
        for (const QString &order : m_def.secondaryOrders)
            known = known || order.compare(m_indexName, Qt::CaseInsensitive) == 0;
        if (!known)
            throw StoreError(QStringLiteral("%1 has no order named %2.").arg(m_def.fileName, m_indexName));
        columns.append(m_indexName);
    } else {
        columns = m_def.primaryOrder;
    }
    QStringList parts;
    for (const QString &c : columns) {
        const ColumnDef *column = m_def.column(c);
        parts.append(Schema::quoted(column ? column->name : c) +
                     (column && isTextKind(column->kind) ? QStringLiteral(" COLLATE NOCASE") : QString()));
    }
    parts.append(keyExpression());
    return parts.join(QStringLiteral(", "));
}

SqliteStatement &Table::cachedQuery(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        auto statement = std::make_shared<SqliteStatement>(m_db, sql);
        if (!statement->isValid())
            throw StoreError(QStringLiteral("%1: %2").arg(m_def.fileName, statement->errorText()));
        it = m_statements.insert(sql, statement);
    }
    it.value()->reset();
    return *it.value();
}

SqliteStatement &Table::writeQuery(bool insert)
{
    // An insert writes every column (unset ones as NULL), so one statement serves every insert;
    // an update writes the changed columns only, one statement per set of them.
    if (insert)
        m_changed.fill(true);
    QByteArray mask(m_changed.size() + 1, '0');
    mask[0] = insert ? 'i' : 'u';
    for (int i = 0; i < m_changed.size(); ++i)
        if (m_changed[i])
            mask[i + 1] = '1';
    if (const std::shared_ptr<SqliteStatement> q = m_writes.value(mask)) {
        q->reset();
        return *q;
    }
    if (m_writes.size() >= MaxCachedWrites)
        m_writes.clear();
    QStringList columns;
    for (int i = 0; i < m_def.columns.size(); ++i)
        if (m_changed[i])
            columns.append(Schema::quoted(m_def.columns[i].name));
    const QString table = Schema::quoted(m_def.name);
    QString sql;
    if (!insert)
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                  .arg(table, columns.join(QStringLiteral(" = ?, ")), keyExpression());
    else if (columns.isEmpty())
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
    else
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, columns.join(u", "), QStringList(columns.size(), QStringLiteral("?")).join(u", "));
    auto statement = std::make_shared<SqliteStatement>(m_db, sql);
    if (!statement->isValid())
        throw StoreError(QStringLiteral("%1: %2").arg(m_def.fileName, statement->errorText()));
    m_writes.insert(mask, statement);
    return *statement;
}

void Table::loadKeys()
{
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(keyExpression(), Schema::quoted(m_def.name));
    QVariantList values;
    if (m_filtered && !m_filter.trimmed().isEmpty()) {
        QString error;
        const std::optional<SqlCondition> condition = FilterParser::translate(m_filter, m_def, &error);
        if (!condition)
            throw StoreError(error);
        sql += QStringLiteral(" WHERE ") + condition->sql;
        values = condition->values;
    }
    sql += QStringLiteral(" ORDER BY ") + orderSql();

    SqliteStatement &q = cachedQuery(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    m_keys.clear();
    while (q.step())
        m_keys.append(q.value(0).toLongLong());
    const QString failure = q.errorText();
    q.reset();
    if (!failure.isEmpty())
        throw StoreError(QStringLiteral("Cannot open %1: %2").arg(m_def.fileName, failure));
    m_keysStale = false;
}

void Table::refreshKeysIfStale()
{
    if (!m_keysStale || m_state == State::Inactive)
        return;
    const qint64 key = currentKey();
    const int oldIndex = m_index;
    loadKeys();
    int index = key >= 0 ? int(m_keys.indexOf(key)) : -1;
    if (index < 0)
        index = std::min(oldIndex, int(m_keys.size()) - 1);
    setPosition(index);
}

void Table::setPosition(int index)
{
    if (m_keys.isEmpty())
        index = -1;
    if (index != m_index)
        m_rowLoaded = false;
    m_index = index;
    m_rowLoaded = m_rowLoaded && m_index >= 0;
}

void Table::open()
{
    if (m_state != State::Inactive)
        return;
    loadKeys();
    m_state = State::Browse;
    m_index = -2; // forces a fetch
    setPosition(0);
    m_bof = true;
    m_eof = m_keys.isEmpty();
}

void Table::close()
{
    m_state = State::Inactive;
    m_keys.clear();
    m_index = -1;
    m_rowLoaded = false;
    m_eof = m_bof = true;
    m_buffer.clear();
    m_changed.clear();
}

void Table::reset()
{
    close();
    m_filter.clear();
    m_filtered = false;
    m_indexName.clear();
    m_afterPost = nullptr;
    m_afterDelete = nullptr;
}

void Table::postIfEditing()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Table::beginMove(const char *operation)
{
    requireOpen(operation);
    postIfEditing();
    refreshKeysIfStale();
}

void Table::first()
{
    beginMove("move to the first row");
    setPosition(0);
    m_bof = true;
    m_eof = m_keys.isEmpty();
}

void Table::next()
{
    beginMove("move to the next row");
    if (m_index + 1 < m_keys.size()) {
        setPosition(m_index + 1);
        m_eof = false;
    } else {
        m_eof = true;
    }
    m_bof = false;
}

void Table::prior()
{
    beginMove("move to the previous row");
    if (m_index > 0) {
        setPosition(m_index - 1);
        m_bof = false;
    } else {
        m_bof = true;
    }
    m_eof = m_keys.isEmpty();
}

void Table::last()
{
    beginMove("move to the last row");
    setPosition(int(m_keys.size()) - 1);
    m_eof = true;
    m_bof = m_keys.isEmpty();
}

int Table::recordCount()
{
    requireOpen("count the rows");
    refreshKeysIfStale();
    return int(m_keys.size());
}

qint64 Table::currentKey() const
{
    return m_index >= 0 && m_index < m_keys.size() ? m_keys[m_index] : -1;
}

bool Table::gotoKey(qint64 key)
{
    beginMove("find a row");
    const int index = int(m_keys.indexOf(key));
    if (index < 0)
        return false;
    setPosition(index);
    m_eof = m_bof = false;
    return true;
}

void Table::fetchCurrent() const
{
    if (m_rowLoaded)
        return;
    m_row = QVector<QVariant>(m_def.columns.size());
    const qint64 key = currentKey();
    if (key >= 0) {
        Table *self = const_cast<Table *>(this);
        if (!m_fetch)
            self->m_fetch = &self->cachedQuery(m_fetchSql);
        SqliteStatement &q = *m_fetch;
        q.reset();
        q.addBindValue(key);
        if (q.step())
            for (int i = 0; i < m_row.size(); ++i)
                m_row[i] = q.value(i);
        const QString failure = q.errorText();
        q.reset();
        if (!failure.isEmpty())
            throw StoreError(QStringLiteral("Cannot read %1: %2").arg(m_def.fileName, failure));
    }
    m_rowLoaded = true;
}

QVariant Table::fieldValue(const QString &column) const
{
    const int i = columnIndexOrThrow(column);
    if (m_state == State::Edit || m_state == State::Insert)
        return m_buffer.value(i);
    if (m_state == State::Inactive)
        return {};
    fetchCurrent();
    return m_row.value(i);
}

QString Table::fieldText(const QString &column) const
{
    const int i = columnIndexOrThrow(column);
    QVariant v;
    if (m_state == State::Edit || m_state == State::Insert) {
        v = m_buffer.value(i);
    } else if (m_state == State::Browse) {
        fetchCurrent();
        v = m_row.value(i);
    }
    if (v.isNull())
        return {};
    switch (m_def.columns[i].kind) {
    case ColumnKind::Money:
        return Money::fromUnits(v.toLongLong()).toPlainString();
    case ColumnKind::Logical:
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

qint64 Table::fieldInt(const QString &column) const
{
    return fieldValue(column).toLongLong();
}

bool Table::fieldBool(const QString &column) const
{
    return fieldValue(column).toLongLong() != 0;
}

Money Table::fieldMoney(const QString &column) const
{
    const QVariant v = fieldValue(column);
    if (m_def.columns[columnIndexOrThrow(column)].kind == ColumnKind::Money)
        return Money::fromUnits(v.toLongLong());
    return Money::fromText(v.toString()).value_or(Money());
}

QVariant Table::storedValue(const ColumnDef &column, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (column.kind) {
    case ColumnKind::Money: {
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            return value.toLongLong() * Money::Scale;
        const std::optional<Money> amount = Money::fromText(value.toString());
        if (!amount) {
            if (value.toString().trimmed().isEmpty())
                return {};
            throw StoreError(QStringLiteral("'%1' is not a valid amount for %2.").arg(value.toString(), column.name));
        }
        return amount->units();
    }
    case ColumnKind::Logical: {
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? 1 : 0;
        const QString t = value.toString().trimmed();
        if (t.isEmpty())
            return {};
        if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || t == u"1")
            return 1;
        if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0 || t == u"0")
            return 0;
        throw StoreError(QStringLiteral("'%1' is not True or False for %2.").arg(value.toString(), column.name));
    }
    case ColumnKind::Integer:
    case ColumnKind::AutoInc: {
        if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            return {};
        bool ok = false;
        const qlonglong n = value.toString().trimmed().toLongLong(&ok);
        if (!ok)
            throw StoreError(QStringLiteral("'%1' is not a whole number for %2.").arg(value.toString(), column.name));
        return n;
    }
    case ColumnKind::Blob:
        return value.toByteArray();
    default:
        return value.toString();
    }
}

void Table::setFieldValue(const QString &column, const QVariant &value)
{
    const int i = columnIndexOrThrow(column);
    if (m_state != State::Edit && m_state != State::Insert)
        throw StoreError(QStringLiteral("Cannot change %1: %2 is not being edited.").arg(column, m_def.fileName));
    const ColumnDef &def = m_def.columns[i];
    const QVariant stored = storedValue(def, value);
    // Writing what the row already reads as leaves the stored value alone, so saving an
    // unchanged row never turns an empty value into a different empty value.
    if (m_state == State::Edit && readForm(def, stored) == readForm(def, m_buffer[i]))
        return;
    m_buffer[i] = stored;
    m_changed[i] = true;
}

void Table::setFieldText(const QString &column, const QString &text)
{
    setFieldValue(column, text.isEmpty() ? QVariant() : QVariant(text));
}

void Table::setFieldInt(const QString &column, qint64 value)
{
    const int i = columnIndexOrThrow(column);
    if (m_def.columns[i].kind == ColumnKind::Money)
        setFieldMoney(column, Money::fromWhole(value));
    else
        setFieldValue(column, QVariant::fromValue<qlonglong>(value));
}

void Table::setFieldBool(const QString &column, bool value)
{
    setFieldValue(column, QVariant(value));
}

void Table::setFieldMoney(const QString &column, Money value)
{
    const int i = columnIndexOrThrow(column);
    if (m_def.columns[i].kind != ColumnKind::Money) {
        setFieldValue(column, value.toPlainString());
        return;
    }
    if (m_state != State::Edit && m_state != State::Insert)
        throw StoreError(QStringLiteral("Cannot change %1: %2 is not being edited.").arg(column, m_def.fileName));
    if (m_state == State::Edit && m_buffer[i].toLongLong() == value.units())
        return;
    m_buffer[i] = value.units();
    m_changed[i] = true;
}

void Table::insert()
{
    requireOpen("add a row");
    postIfEditing();
    m_buffer = QVector<QVariant>(m_def.columns.size());
    m_changed = QVector<bool>(m_def.columns.size(), false);
    m_state = State::Insert;
}

void Table::edit()
{
    requireOpen("edit a row");
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    refreshKeysIfStale();
    if (currentKey() < 0) {
        insert();
        return;
    }
    fetchCurrent();
    m_buffer = m_row;
    m_changed = QVector<bool>(m_def.columns.size(), false);
    m_state = State::Edit;
}

void Table::post()
{
    requireOpen("store a row");
    if (m_state == State::Insert) {
        SqliteStatement &q = writeQuery(true);
        for (int i = 0; i < m_def.columns.size(); ++i)
            if (m_changed[i])
                q.addBindValue(m_buffer[i]);
        q.step();
        const QString failure = q.errorText();
        const qint64 key = q.lastInsertId();
        q.reset();
        if (!failure.isEmpty())
            throw StoreError(QStringLiteral("Cannot add the row to %1: %2").arg(m_def.fileName, failure));
        // The new row is current; its place in the order is found at the next move.
        m_keys.append(key);
        m_index = int(m_keys.size()) - 1;
        m_keysStale = true;
    } else if (m_state == State::Edit) {
        if (m_changed.contains(true)) {
            SqliteStatement &q = writeQuery(false);
            for (int i = 0; i < m_def.columns.size(); ++i)
                if (m_changed[i])
                    q.addBindValue(m_buffer[i]);
            q.addBindValue(currentKey());
            q.step();
            const QString failure = q.errorText();
            q.reset();
            if (!failure.isEmpty())
                throw StoreError(QStringLiteral("Cannot store the row in %1: %2").arg(m_def.fileName, failure));
            m_keysStale = true;
        }
    } else {
        return;
    }
    m_state = State::Browse;
    m_rowLoaded = false;
    m_buffer.clear();
    m_changed.clear();
    m_eof = m_bof = false;
    if (m_afterPost)
        m_afterPost();
}

void Table::cancel()
{
    if (m_state == State::Edit || m_state == State::Insert)
        m_state = State::Browse;
    m_buffer.clear();
    m_changed.clear();
}

void Table::remove()
{
    requireOpen("delete a row");
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    cancel();
    refreshKeysIfStale();
    const qint64 key = currentKey();
    if (key < 0)
        throw StoreError(QStringLiteral("Cannot delete: %1 has no current row.").arg(m_def.fileName));
    SqliteStatement &q =
        cachedQuery(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(Schema::quoted(m_def.name), keyExpression()));
    q.addBindValue(key);
    q.step();
    const QString failure = q.errorText();
    q.reset();
    if (!failure.isEmpty())
        throw StoreError(QStringLiteral("Cannot delete the row from %1: %2").arg(m_def.fileName, failure));
    m_keys.removeAt(m_index);
    m_rowLoaded = false;
    if (m_index >= m_keys.size())
        m_index = int(m_keys.size()) - 1;
    m_eof = m_keys.isEmpty();
    m_bof = m_keys.isEmpty();
    if (m_afterDelete)
        m_afterDelete();
}

void Table::insertRecord(const QVariantList &values)
{
    insert();
    try {
        for (int i = 0; i < values.size() && i < m_def.columns.size(); ++i)
            setFieldValue(m_def.columns[i].name, values[i]);
        post();
    } catch (...) {
        cancel();
        throw;
    }
}

bool Table::locate(const QString &column, const QVariant &value, bool caseInsensitive)
{
    beginMove("find a row");
    const ColumnDef &def = m_def.columns[columnIndexOrThrow(column)];
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE ").arg(keyExpression(), Schema::quoted(m_def.name));
    QVariantList values;
    if (m_filtered && !m_filter.trimmed().isEmpty()) {
        QString error;
        const std::optional<SqlCondition> condition = FilterParser::translate(m_filter, m_def, &error);
        if (!condition)
            throw StoreError(error);
        sql += condition->sql + QStringLiteral(" AND ");
        values = condition->values;
    }
    const QVariant stored = storedValue(def, value);
    if (stored.isNull()) {
        sql += QStringLiteral("%1 IS NULL").arg(Schema::quoted(def.name));
    } else {
        sql += Schema::quoted(def.name) + QStringLiteral(" = ?");
        if (isTextKind(def.kind))
            sql += caseInsensitive ? QStringLiteral(" COLLATE NOCASE") : QStringLiteral(" COLLATE BINARY");
        values.append(stored);
    }
    sql += QStringLiteral(" ORDER BY ") + orderSql() + QStringLiteral(" LIMIT 1");
    SqliteStatement &q = cachedQuery(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    const bool found = q.step();
    const qint64 key = found ? q.value(0).toLongLong() : -1;
    const QString failure = q.errorText();
    q.reset();
    if (!failure.isEmpty())
        throw StoreError(QStringLiteral("Cannot search %1: %2").arg(m_def.fileName, failure));
    if (!found)
        return false;
    const int index = int(m_keys.indexOf(key));
    if (index < 0)
        return false;
    setPosition(index);
    m_eof = m_bof = false;
    return true;
}

void Table::setIndexName(const QString &name)
{
    if (m_indexName == name)
        return;
    m_indexName = name;
    if (m_state != State::Inactive) {
        m_keysStale = true;
        refreshKeysIfStale();
    }
}

void Table::setFilter(const QString &filter)
{
    m_filter = filter;
    if (m_state != State::Inactive && m_filtered) {
        loadKeys();
        m_index = -2;
        first();
    }
}

void Table::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    m_filtered = on;
    if (m_state != State::Inactive) {
        loadKeys();
        m_index = -2;
        first();
    }
}
