#include "store/ScopedTransaction.h"

#include "store/StoreError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {
std::atomic<int> counter{0};
}

ScopedTransaction::ScopedTransaction(const QSqlDatabase &db)
    : m_db(db)
    , m_name(QStringLiteral("curiodex_%1").arg(++counter))
{
    run(QStringLiteral("SAVEPOINT ") + m_name);
}

ScopedTransaction::~ScopedTransaction()
{
    if (m_done)
        return;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK TO ") + m_name);
    q.exec(QStringLiteral("RELEASE ") + m_name);
}

void ScopedTransaction::commit()
{
    if (m_done)
        return;
    run(QStringLiteral("RELEASE ") + m_name);
    m_done = true;
}

void ScopedTransaction::run(const QString &statement)
{
    QSqlQuery q(m_db);
    if (!q.exec(statement))
        throw StoreError(QStringLiteral("The database refused the transaction: %1").arg(q.lastError().text()));
}
