#pragma once

#include <QSqlDatabase>

// A transaction (a savepoint, so it nests) that commits when commit() is called and rolls back
// when it goes out of scope without it. Throws StoreError when the database refuses.
class ScopedTransaction
{
public:
    explicit ScopedTransaction(const QSqlDatabase &db);
    ~ScopedTransaction();
    ScopedTransaction(const ScopedTransaction &) = delete;
    ScopedTransaction &operator=(const ScopedTransaction &) = delete;

    void commit();

private:
    void run(const QString &statement);

    QSqlDatabase m_db;
    QString m_name;
    bool m_done = false;
};
