#pragma once

#include "store/Money.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <memory>

// A statement object: text replaced line by line, prepared, named parameters (":Name") set,
// then opened for reading (first, next, eof, columns by name) or executed.
// Failures throw StoreError naming the statement.
class Query
{
public:
    explicit Query(const QSqlDatabase &db);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    QStringList sql() const { return m_lines; }
    // Replacing the text closes and unprepares the statement.
    void setSql(const QStringList &lines);
    void addLine(const QString &line);
    void clearSql() { setSql({}); }

    void prepare();
    void unprepare();
    bool isPrepared() const { return m_prepared; }

    // Money parameters (named after a money column) take amounts as text; they are stored exactly.
    void setParamText(const QString &name, const QString &value);
    void setParamInt(const QString &name, qint64 value);
    void setParamBool(const QString &name, bool value);
    void setParamMoney(const QString &name, Money value);
    void setParamValue(const QString &name, const QVariant &value);

    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Runs a statement that returns no rows; gives the number of rows it changed.
    int execSql();

    void first();
    void next();
    bool eof() const { return m_eof; }
    int recordCount();

    QVariant fieldValue(const QString &column) const;
    QString fieldText(const QString &column) const;
    qint64 fieldInt(const QString &column) const;
    bool fieldBool(const QString &column) const;
    Money fieldMoney(const QString &column) const;

    // Closed, unprepared, no text.
    void reset() { clearSql(); }

private:
    QString text() const { return m_lines.join(u'\n'); }
    [[noreturn]] void fail(const QString &what, const QString &reason) const;
    void bindAll(QSqlQuery &query) const;
    void readRow();

    QSqlDatabase m_db;
    QStringList m_lines;
    std::unique_ptr<QSqlQuery> m_query;
    QVariantMap m_params;
    bool m_prepared = false;
    bool m_open = false;
    bool m_eof = true;
    QVector<QVariant> m_row;
    QHash<QString, int> m_columns; // lower-case name -> position
};
