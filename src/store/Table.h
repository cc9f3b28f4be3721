#pragma once

#include "store/Money.h"
#include "store/Schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

// A cursor over one table, as the windows use it: open, step, read and write columns by name,
// insert, edit, post, cancel, delete, locate, a named order and a filter.
//
// It is a keyset cursor: opening runs one query for the keys of the rows that pass the filter,
// in the chosen order; the current row is fetched by its key through a prepared statement.
// Failures of the database throw StoreError.
class SqliteStatement;

class Table
{
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Table(const QSqlDatabase &db, const TableDef &definition);
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    const TableDef &definition() const { return m_def; }
    QString tableName() const { return m_def.name; }
    bool exists() const;

    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount();
    bool isEmpty() { return recordCount() == 0; }
    // Identity of the current row; -1 when there is none.
    qint64 currentKey() const;
    // Makes the row with this key current when it is in the view.
    bool gotoKey(qint64 key);

    QVariant fieldValue(const QString &column) const;
    QString fieldText(const QString &column) const;
    qint64 fieldInt(const QString &column) const;
    bool fieldBool(const QString &column) const;
    Money fieldMoney(const QString &column) const;

    void setFieldValue(const QString &column, const QVariant &value);
    void setFieldText(const QString &column, const QString &text);
    void setFieldInt(const QString &column, qint64 value);
    void setFieldBool(const QString &column, bool value);
    void setFieldMoney(const QString &column, Money value);

    void insert();
    void edit();
    void post();
    void cancel();
    // Deletes the current row; the next row (or the last, at the end) becomes current.
    void remove();
    // Adds a row from values in column order, starting at the first column; the rest stay empty.
    void insertRecord(const QVariantList &values);
    bool locate(const QString &column, const QVariant &value, bool caseInsensitive = false);

    // "" for the primary order, or one of the definition's secondary orders ("Name", "Collection").
    void setIndexName(const QString &name);
    QString indexName() const { return m_indexName; }
    // The filter applies at the next open.
    void setFilter(const QString &filter);
    QString filter() const { return m_filter; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }

    void setAfterPost(std::function<void()> hook) { m_afterPost = std::move(hook); }
    void setAfterDelete(std::function<void()> hook) { m_afterDelete = std::move(hook); }

    // Puts the table back as borrowers must leave it: closed, no filter, primary order, no hooks.
    void reset();

private:
    int columnIndexOrThrow(const QString &column) const;
    QString keyExpression() const;
    QString orderSql() const;
    void loadKeys();
    void refreshKeysIfStale();
    void setPosition(int index);
    void fetchCurrent() const;
    void postIfEditing();
    // Before moving to or looking for a row: the table is open, pending edits stored, keys current.
    void beginMove(const char *operation);
    SqliteStatement &cachedQuery(const QString &sql);
    SqliteStatement &writeQuery(bool insert);
    void requireOpen(const char *operation) const;
    static QVariant storedValue(const ColumnDef &column, const QVariant &value);

    QSqlDatabase m_db;
    const TableDef &m_def;
    State m_state = State::Inactive;
    QString m_indexName;
    QString m_filter;
    bool m_filtered = false;

    QVector<qint64> m_keys;
    bool m_keysStale = false;
    int m_index = -1;
    bool m_eof = true;
    bool m_bof = true;

    mutable QVector<QVariant> m_row; // values of the current row, by column index
    mutable bool m_rowLoaded = false;
    QVector<QVariant> m_buffer; // the row being inserted or edited
    QVector<bool> m_changed;

    QHash<QString, std::shared_ptr<SqliteStatement>> m_statements;
    mutable QHash<QString, int> m_columnIndex; // column name as asked -> position
    QString m_fetchSql;
    SqliteStatement *m_fetch = nullptr; // prepared fetch of one row by key
    // Prepared insert and updates, by the set of columns they write; a few dozen at most.
    static constexpr int MaxCachedWrites = 32;
    QHash<QByteArray, std::shared_ptr<SqliteStatement>> m_writes;
    std::function<void()> m_afterPost;
    std::function<void()> m_afterDelete;
};
