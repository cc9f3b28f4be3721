#include "store/TDataModule1.h"

#include "store/FieldLayout.h"
#include "store/ScopedTransaction.h"
#include "store/StoreError.h"
#include "store/SysConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <atomic>

TDataModule1 *DataModule1 = nullptr;

namespace {
std::atomic<int> connectionCounter{0};

void exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw StoreError(QStringLiteral("%1\nStatement: %2").arg(q.lastError().text(), sql));
}
} // namespace

TDataModule1::TDataModule1(const QString &dataDirectory)
    : m_directory(dataDirectory)
    , m_connection(QStringLiteral("curiodex_%1").arg(++connectionCounter))
{
    if (!DataModule1)
        DataModule1 = this;
}

TDataModule1::~TDataModule1()
{
    OptionsTable.reset();
    CollTypesTable.reset();
    CollectionsTable.reset();
    FieldSetupTable.reset();
    ListsTable.reset();
    GridTable.reset();
    FolderTable.reset();
    ItemTable.reset();
    TableTable.reset();
    FieldTable.reset();
    CollectionsQuery.reset();
    FieldSetupQuery.reset();
    ImporterQuery.reset();
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    if (DataModule1 == this)
        DataModule1 = nullptr;
}

QString TDataModule1::defaultDataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Vendrolith/Curiodex");
}

QString TDataModule1::databasePath() const
{
    return QDir(m_directory).filePath(QStringLiteral("Curiodex.db"));
}

QSqlDatabase TDataModule1::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool TDataModule1::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && database().isOpen();
}

bool TDataModule1::open(QString *error)
{
    auto failWith = [&](const QString &text) {
        if (error)
            *error = text;
        if (QSqlDatabase::contains(m_connection))
            database().close();
        return false;
    };

    const QString folder = QDir::toNativeSeparators(m_directory);
    if (!QDir().mkpath(m_directory))
        return failWith(QStringLiteral("The data folder %1 could not be created.").arg(folder));
    const QFileInfo dirInfo(m_directory);
    const QFileInfo fileInfo(databasePath());
    if (!dirInfo.isWritable())
        return failWith(QStringLiteral("The data folder %1 cannot be written to. Check its permissions.").arg(folder));
    if (fileInfo.exists() && (!fileInfo.isReadable() || !fileInfo.isWritable()))
        return failWith(
            QStringLiteral("The database %1 cannot be opened for reading and writing. Check its permissions.")
                .arg(QDir::toNativeSeparators(databasePath())));

    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? database()
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(databasePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return failWith(QStringLiteral("The database %1 could not be opened: %2")
                            .arg(QDir::toNativeSeparators(databasePath()), db.lastError().text()));
    if (!checkReadable(error)) {
        db.close();
        return false;
    }
    try {
        exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
        exec(db, QStringLiteral("PRAGMA synchronous = FULL"));
        exec(db, QStringLiteral("PRAGMA cache_size = -32768")); // 32 MiB of pages
        exec(db, QStringLiteral("PRAGMA mmap_size = 268435456"));
        QSqlQuery version(db);
        if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
            throw StoreError(version.lastError().text());
        const int current = version.value(0).toInt();
        version.finish();
        if (current > SchemaVersion)
            return failWith(QStringLiteral("The database %1 was written by a newer version of Curiodex and cannot be "
                                           "opened by this one.")
                                .arg(QDir::toNativeSeparators(databasePath())));
        upgrade(current);
    } catch (const StoreError &e) {
        return failWith(QStringLiteral("The database %1 could not be prepared for use: %2")
                            .arg(QDir::toNativeSeparators(databasePath()), e.text()));
    }
    createObjects();
    return true;
}

bool TDataModule1::checkReadable(QString *error)
{
    QSqlQuery q(database());
    if (q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next())
        return true;
    if (error)
        *error = QStringLiteral("The database %1 is damaged or is not a Curiodex database (%2). It has been left as it "
                                "is; restore it from a backup or move it away to start with an empty one.")
                     .arg(QDir::toNativeSeparators(databasePath()), q.lastError().text());
    return false;
}

void TDataModule1::upgrade(int fromVersion)
{
    // Ordered steps; each runs in its own transaction and records the version it reaches.
    const QSqlDatabase db = database();
    if (fromVersion < 1) {
        ScopedTransaction transaction(db);
        createCoreTables();
        exec(db, QStringLiteral("PRAGMA user_version = 1"));
        transaction.commit();
    }
}

void TDataModule1::createCoreTables()
{
    const QSqlDatabase db = database();
    for (const TableDef *def : Schema::coreTables()) {
        if (tableExists(def->name))
            continue;
        for (const QString &statement : def->createStatements())
            exec(db, statement);
        if (def == &Schema::options())
            exec(db,
                 QStringLiteral("INSERT INTO \"Options\" (\"BackgroundPicture\", \"Centered\", \"PicturesDirectory\", "
                                "\"ReportTitle\", \"DefaultCollection\", \"AutoClear\", \"HTabs\") "
                                "VALUES ('', 1, '', '', '', 0, 1)"));
    }
}

void TDataModule1::createObjects()
{
    const QSqlDatabase db = database();
    OptionsTable = std::make_unique<Table>(db, Schema::options());
    CollTypesTable = std::make_unique<Table>(db, Schema::collectionType());
    CollectionsTable = std::make_unique<Table>(db, Schema::collection());
    FieldSetupTable = std::make_unique<Table>(db, Schema::fieldSetup());
    ListsTable = std::make_unique<Table>(db, Schema::lists());
    GridTable = std::make_unique<Table>(db, Schema::gridTable());
    FolderTable = std::make_unique<Table>(db, Schema::folderTable());
    ItemTable = std::make_unique<Table>(db, Schema::itemTable());
    TableTable = std::make_unique<Table>(db, Schema::tableTable());
    FieldTable = std::make_unique<Table>(db, Schema::fieldTable());
    CollectionsQuery = std::make_unique<Query>(db);
    CollectionsQuery->setSql({QStringLiteral("select * from collection"), QStringLiteral("Order By Name")});
    FieldSetupQuery = std::make_unique<Query>(db);
    FieldSetupQuery->setSql({QStringLiteral("select * from FieldSetup")});
    ImporterQuery = std::make_unique<Query>(db);
    ImporterQuery->setSql(importerStatement());
}

QStringList TDataModule1::importerStatement()
{
    QStringList columns{QStringLiteral("Name"), QStringLiteral("Collection")};
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n)
        columns.append(FieldCatalogue::column(n));
    // The measures follow the weight in this statement.
    columns.removeAll(QStringLiteral("DMeasure"));
    columns.insert(columns.indexOf(QStringLiteral("Weight")) + 1, QStringLiteral("DMeasure"));
    columns.append(QStringLiteral("Notes"));
    QStringList lines{QStringLiteral("update collection"), QStringLiteral("set")};
    for (int i = 0; i < columns.size(); ++i)
        lines.append(
            QStringLiteral("%1 = :%1%2").arg(columns[i], i + 1 < columns.size() ? QStringLiteral(",") : QString()));
    lines.append(QStringLiteral("where"));
    lines.append(QStringLiteral("ID = :ID"));
    return lines;
}

bool TDataModule1::tableExists(const QString &name) const
{
    QString bare = name;
    if (bare.endsWith(QStringLiteral(".DB"), Qt::CaseInsensitive))
        bare.chop(3);
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(bare);
    return q.exec() && q.next();
}

void TDataModule1::createTable(const TableDef &definition)
{
    const QSqlDatabase db = database();
    ScopedTransaction transaction(db);
    exec(db, QStringLiteral("DROP TABLE IF EXISTS %1").arg(Schema::quoted(definition.name)));
    for (const QString &statement : definition.createStatements())
        exec(db, statement);
    transaction.commit();
}

QStringList TDataModule1::DataModule1Create()
{
    QStringList failures;
    auto createIfMissing = [&](const TableDef &def, const QString &message) {
        if (tableExists(def.name))
            return true;
        try {
            createTable(def);
        } catch (const StoreError &) {
            failures.append(message);
        }
        return false;
    };
    createIfMissing(Schema::folderTable(), QStringLiteral("Could not create Folder table"));
    createIfMissing(Schema::itemTable(), QStringLiteral("Could not create Item table"));
    createIfMissing(Schema::gridTable(), QStringLiteral("Could not create Grid table"));
    return failures;
}

void TDataModule1::LoadOptions()
{
    Table &t = *OptionsTable;
    t.open();
    SysConfigRecord rec;
    rec.BackgroundPicture = t.fieldText(QStringLiteral("BackgroundPicture"));
    rec.Centered = t.fieldBool(QStringLiteral("Centered"));
    rec.PicturesDirectory = t.fieldText(QStringLiteral("PicturesDirectory"));
    rec.ReportTitle = t.fieldText(QStringLiteral("ReportTitle"));
    rec.DefaultCollection = t.fieldText(QStringLiteral("DefaultCollection"));
    rec.AutoClear = t.fieldBool(QStringLiteral("AutoClear"));
    rec.HTabs = t.fieldBool(QStringLiteral("HTabs"));
    t.close();
    if (rec.PicturesDirectory.isEmpty())
        rec.PicturesDirectory = defaultPicturesDirectory();
    SysConfigRec = rec;
}

void TDataModule1::LoadFieldLayout(const QString &collectionName)
{
    Query &q = *FieldSetupQuery;
    for (const QString &condition : {QStringLiteral("Where Collection = :CollectionName and DataFieldNumber < 21"),
                                     QStringLiteral("Where Collection = :CollectionName and DataFieldNumber > 20")}) {
        q.setSql({QStringLiteral("Select * From FieldSetup"), condition,
                  QStringLiteral("Order By TopPosition, LeftPosition")});
        q.prepare();
        q.setParamText(QStringLiteral("CollectionName"), collectionName);
        q.open();
        int counter = 0;
        while (!q.eof()) {
            const qint64 n = q.fieldInt(QStringLiteral("DataFieldNumber"));
            if (!FieldCatalogue::isField(int(n))) {
                q.close();
                throw StoreError(QStringLiteral("The field setup of %1 has a row for field number %2, which is not "
                                                "between 0 and 45.")
                                     .arg(collectionName)
                                     .arg(n));
            }
            FieldLayoutEntry &entry = FieldLayout[size_t(n)];
            entry.Label = q.fieldText(QStringLiteral("DataFieldLabel")).left(MaxLabelLength);
            entry.LeftPosition = int(q.fieldInt(QStringLiteral("LeftPosition")));
            entry.TopPosition = int(q.fieldInt(QStringLiteral("TopPosition")));
            entry.TabOrder = counter++;
            entry.IsVisible = q.fieldBool(QStringLiteral("IsVisible"));
            q.next();
        }
        q.close();
    }
}

void TDataModule1::CreateTableTable()
{
    TableTable->close();
    createTable(Schema::tableTable());
}

void TDataModule1::RegisterItemTable(const QString &alias)
{
    Table &t = *TableTable;
    t.open();
    t.insert();
    t.setFieldText(QStringLiteral("TableName"), QStringLiteral("Collection.DB"));
    t.setFieldText(QStringLiteral("TableAlias"), alias);
    t.post();
    t.close();
}

void TDataModule1::CreateFieldTable()
{
    FieldTable->close();
    createTable(Schema::fieldTable());
}

void TDataModule1::FillDataDictionary()
{
    struct Row
    {
        QString field, alias;
        bool selectable, searchable, sortable;
        QString type;
    };
    QList<Row> rows;
    const QString text = QStringLiteral("dtString");
    rows.append({QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, QStringLiteral("dtAutoinc")});
    rows.append({QStringLiteral("Name"), FieldLayout[0].Label, true, true, true, text});
    rows.append({QStringLiteral("Collection"), QStringLiteral("Collection Name"), true, true, true, text});
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n) {
        QString type = text;
        if (FieldCatalogue::entryKind(n) == FieldCatalogue::EntryKind::Money)
            type = QStringLiteral("dtCurrency");
        else if (FieldCatalogue::entryKind(n) == FieldCatalogue::EntryKind::CheckBox)
            type = QStringLiteral("dtBoolean");
        rows.append({FieldCatalogue::column(n), FieldLayout[size_t(n)].Label, true, true, true, type});
    }
    for (int i = 1; i <= 6; ++i)
        rows.append({QStringLiteral("Image%1").arg(i), QStringLiteral("Image%1").arg(i), true, true, false, text});
    rows.append({QStringLiteral("Notes"), QStringLiteral("Notes"), true, false, false, QStringLiteral("dtMemo")});

    auto flag = [](bool b) { return b ? QStringLiteral("T") : QStringLiteral("F"); };
    Table &t = *FieldTable;
    ScopedTransaction transaction(database());
    t.open();
    for (const Row &r : rows)
        t.insertRecord({QStringLiteral("Collection.DB"), r.field, r.alias, flag(r.selectable), flag(r.searchable),
                        flag(r.sortable), r.type, flag(false), flag(false)});
    t.close();
    transaction.commit();
}
