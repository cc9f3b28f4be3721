#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringView>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement on the database's own SQLite connection, for the cursor's hot paths
// (fetching a row by key, inserting, updating). Values are always bound, never pasted.
class SqliteStatement
{
public:
    SqliteStatement(const QSqlDatabase &db, const QString &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isValid() const { return m_statement != nullptr; }
    QString errorText() const { return m_error; }

    // Binds a value to the placeholder at index (0-based), or to the next one.
    void bind(int index, const QVariant &value);
    void addBindValue(const QVariant &value) { bind(m_nextBind++, value); }
    // Runs one step: true while a row is available. Errors leave errorText() set.
    bool step();
    bool failed() const { return !m_error.isEmpty(); }
    int columnCount() const;
    QVariant value(int column) const;
    // Quick reads of the current row for bulk readers.
    bool isNull(int column) const;
    qint64 integer(int column) const;
    // The column's text as UTF-16, valid until the next step or reset.
    QStringView textView(int column) const;
    qint64 lastInsertId() const;
    void reset();

    static sqlite3 *handle(const QSqlDatabase &db);

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
    int m_nextBind = 0;
};
