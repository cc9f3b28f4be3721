#include "store/Query.h"

#include "store/FieldCatalogue.h"
#include "store/StoreError.h"

#include <QSqlError>
#include <QSqlRecord>

Query::Query(const QSqlDatabase &db)
    : m_db(db)
{
}

Query::~Query() = default;

void Query::fail(const QString &what, const QString &reason) const
{
    throw StoreError(QStringLiteral("%1: %2\nStatement: %3").arg(what, reason, text()));
}

void Query::setSql(const QStringList &lines)
{
    close();
    unprepare();
    m_lines = lines;
}

void Query::addLine(const QString &line)
{
    QStringList lines = m_lines;
    lines.append(line);
    setSql(lines);
}

void Query::prepare()
{
    if (m_prepared)
        return;
    if (m_lines.join(QString()).trimmed().isEmpty())
        fail(QStringLiteral("Cannot prepare the statement"), QStringLiteral("it is empty"));
    m_query = std::make_unique<QSqlQuery>(m_db);
    m_query->setForwardOnly(true);
    if (!m_query->prepare(text())) {
        const QString reason = m_query->lastError().text();
        m_query.reset();
        fail(QStringLiteral("Cannot prepare the statement"), reason);
    }
    m_params.clear();
    m_prepared = true;
}

void Query::unprepare()
{
    close();
    m_query.reset();
    m_params.clear();
    m_prepared = false;
}

void Query::setParamValue(const QString &name, const QVariant &value)
{
    prepare();
    m_params.insert(name.startsWith(u':') ? name : u':' + name, value);
}

void Query::setParamText(const QString &name, const QString &value)
{
    const QString bare = name.startsWith(u':') ? name.mid(1) : name;
    if (FieldCatalogue::isMoneyColumn(bare)) {
        const std::optional<Money> amount = Money::fromText(value);
        if (!amount && !value.trimmed().isEmpty())
            fail(QStringLiteral("Cannot set the parameter %1").arg(bare),
                 QStringLiteral("'%1' is not an amount").arg(value));
        setParamValue(name, amount ? QVariant(amount->units()) : QVariant(0));
        return;
    }
    if (FieldCatalogue::isLogicalColumn(bare)) {
        const QString t = value.trimmed();
        setParamValue(name, t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0 || t == u"1" ? 1 : 0);
        return;
    }
    setParamValue(name, value);
}

void Query::setParamInt(const QString &name, qint64 value)
{
    setParamValue(name, QVariant::fromValue<qlonglong>(value));
}

void Query::setParamBool(const QString &name, bool value)
{
    setParamValue(name, value ? 1 : 0);
}

void Query::setParamMoney(const QString &name, Money value)
{
    setParamValue(name, value.units());
}

void Query::bindAll(QSqlQuery &query) const
{
    for (auto it = m_params.cbegin(); it != m_params.cend(); ++it)
        query.bindValue(it.key(), it.value());
}

void Query::open()
{
    if (m_open)
        return;
    prepare();
    bindAll(*m_query);
    if (!m_query->exec())
        fail(QStringLiteral("Cannot open the statement"), m_query->lastError().text());
    m_columns.clear();
    const QSqlRecord record = m_query->record();
    for (int i = 0; i < record.count(); ++i)
        m_columns.insert(record.fieldName(i).toLower(), i);
    m_open = true;
    readRow();
}

void Query::readRow()
{
    if (m_query->next()) {
        m_eof = false;
        m_row.resize(m_columns.size());
        for (int i = 0; i < m_row.size(); ++i)
            m_row[i] = m_query->value(i);
    } else {
        if (m_query->lastError().isValid())
            fail(QStringLiteral("Cannot read the statement's rows"), m_query->lastError().text());
        m_eof = true;
        m_row.fill(QVariant());
    }
}

void Query::close()
{
    if (m_query)
        m_query->finish();
    m_open = false;
    m_eof = true;
    m_row.clear();
}

int Query::execSql()
{
    close();
    prepare();
    bindAll(*m_query);
    if (!m_query->exec())
        fail(QStringLiteral("Cannot run the statement"), m_query->lastError().text());
    const int affected = m_query->numRowsAffected();
    m_query->finish();
    return affected;
}

void Query::first()
{
    if (!m_open)
        fail(QStringLiteral("Cannot move to the first row"), QStringLiteral("the statement is not open"));
    close();
    open();
}

void Query::next()
{
    if (!m_open)
        fail(QStringLiteral("Cannot move to the next row"), QStringLiteral("the statement is not open"));
    if (!m_eof)
        readRow();
}

int Query::recordCount()
{
    if (!m_open)
        fail(QStringLiteral("Cannot count the rows"), QStringLiteral("the statement is not open"));
    QSqlQuery count(m_db);
    if (!count.prepare(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(text())))
        fail(QStringLiteral("Cannot count the rows"), count.lastError().text());
    bindAll(count);
    if (!count.exec() || !count.next())
        fail(QStringLiteral("Cannot count the rows"), count.lastError().text());
    return count.value(0).toInt();
}

QVariant Query::fieldValue(const QString &column) const
{
    const auto it = m_columns.constFind(column.toLower());
    if (it == m_columns.cend())
        fail(QStringLiteral("Cannot read %1").arg(column), QStringLiteral("the statement has no such column"));
    return m_row.value(it.value());
}

QString Query::fieldText(const QString &column) const
{
    const QVariant v = fieldValue(column);
    if (v.isNull())
        return {};
    if (FieldCatalogue::isMoneyColumn(column))
        return Money::fromUnits(v.toLongLong()).toPlainString();
    if (FieldCatalogue::isLogicalColumn(column) ||
        column.compare(QStringLiteral("IsVisible"), Qt::CaseInsensitive) == 0)
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

qint64 Query::fieldInt(const QString &column) const
{
    return fieldValue(column).toLongLong();
}

bool Query::fieldBool(const QString &column) const
{
    return fieldValue(column).toLongLong() != 0;
}

Money Query::fieldMoney(const QString &column) const
{
    const QVariant v = fieldValue(column);
    if (FieldCatalogue::isMoneyColumn(column))
        return Money::fromUnits(v.toLongLong());
    return Money::fromText(v.toString()).value_or(Money());
}
