#pragma once

#include "store/Query.h"
#include "store/Table.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

// Owns the database and every shared table and statement object for the whole run.
// Windows borrow these objects for one operation and reset them afterwards.
class TDataModule1
{
public:
    static constexpr int SchemaVersion = 1;

    // The database lives in dataDirectory as "Curiodex.db"; nothing is opened yet.
    explicit TDataModule1(const QString &dataDirectory = defaultDataDirectory());
    ~TDataModule1();
    TDataModule1(const TDataModule1 &) = delete;
    TDataModule1 &operator=(const TDataModule1 &) = delete;

    // The user's data folder for the program.
    static QString defaultDataDirectory();
    QString dataDirectory() const { return m_directory; }
    QString databasePath() const;

    // Opens (creating on first use) the database with its core tables and brings an older
    // database up to date. On failure gives a text for the user and leaves every file as it was.
    bool open(QString *error);
    bool isOpen() const;

    // Creates the report designer and browse tables that are missing. Gives the texts of the
    // failures to show ("Could not create Folder table", ...); the program goes on without them.
    QStringList DataModule1Create();

    // Options row into SysConfigRec. Throws StoreError.
    void LoadOptions();
    // The collection's field setup rows into FieldLayout. Throws StoreError.
    void LoadFieldLayout(const QString &collectionName);

    // Data dictionary for the custom report designer, in this order. Throw StoreError.
    void CreateTableTable();
    void RegisterItemTable(const QString &alias);
    void CreateFieldTable();
    void FillDataDictionary();

    bool tableExists(const QString &name) const;
    // Creates the table empty, replacing any table of that name.
    void createTable(const TableDef &definition);

    QSqlDatabase database() const;

    std::unique_ptr<Table> OptionsTable;
    std::unique_ptr<Table> CollTypesTable;
    std::unique_ptr<Table> CollectionsTable;
    std::unique_ptr<Table> FieldSetupTable;
    std::unique_ptr<Table> ListsTable;
    std::unique_ptr<Table> GridTable;
    std::unique_ptr<Table> FolderTable;
    std::unique_ptr<Table> ItemTable;
    std::unique_ptr<Table> TableTable;
    std::unique_ptr<Table> FieldTable;
    std::unique_ptr<Query> CollectionsQuery;
    std::unique_ptr<Query> FieldSetupQuery;
    std::unique_ptr<Query> ImporterQuery;

    // The default statement of ImporterQuery.
    static QStringList importerStatement();

private:
    bool checkReadable(QString *error);
    void createCoreTables();
    void upgrade(int fromVersion);
    void createObjects();

    QString m_directory;
    QString m_connection;
};

// The data module of the running program (set while one exists).
extern TDataModule1 *DataModule1;
