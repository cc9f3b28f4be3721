#include "store/Schema.h"

#include "store/FieldCatalogue.h"

int TableDef::columnIndex(const QString &name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const ColumnDef *TableDef::column(const QString &name) const
{
    const int i = columnIndex(name);
    return i < 0 ? nullptr : &columns[i];
}

namespace {

QString sqlType(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo:
    case ColumnKind::DateTime:
        return QStringLiteral("TEXT");
    case ColumnKind::Integer:
    case ColumnKind::Logical:
    case ColumnKind::Money:
        return QStringLiteral("INTEGER");
    case ColumnKind::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case ColumnKind::Blob:
        return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

ColumnDef text(const char *name, int size = 0)
{
    return {QString::fromLatin1(name), ColumnKind::Text, size};
}

ColumnDef noCaseText(const char *name, int size)
{
    return {QString::fromLatin1(name), ColumnKind::Text, size, true};
}

ColumnDef of(const char *name, ColumnKind kind)
{
    return {QString::fromLatin1(name), kind, 0};
}

TableDef makeCollection()
{
    using namespace FieldCatalogue;
    TableDef t;
    t.name = QStringLiteral("Collection");
    t.fileName = QStringLiteral("Collection.DB");
    t.key = QStringLiteral("ID");
    t.columns.append(of("ID", ColumnKind::AutoInc));
    t.columns.append(noCaseText("Name", 40));
    t.columns.append(noCaseText("Collection", 30));
    for (int n = 1; n < FieldCount; ++n) {
        const FieldInfo &f = field(n);
        switch (f.kind) {
        case EntryKind::Money:
            t.columns.append(of(f.column, ColumnKind::Money));
            break;
        case EntryKind::CheckBox:
            t.columns.append(of(f.column, ColumnKind::Logical));
            break;
        default:
            t.columns.append(noCaseText(f.column, f.maxLength));
        }
    }
    for (int i = 1; i <= 6; ++i)
        t.columns.append({QStringLiteral("Image%1").arg(i), ColumnKind::Text, 0, true});
    t.columns.append({QStringLiteral("Notes"), ColumnKind::Memo, 0, true});
    t.secondaryOrders = {QStringLiteral("Name"), QStringLiteral("Collection")};
    t.caseInsensitiveFilter = true;
    t.indexes = {
        {QStringLiteral("CollectionByName"), {QStringLiteral("Collection"), QStringLiteral("Name")}, false, true},
        {QStringLiteral("ItemName"), {QStringLiteral("Name")}, false, true},
    };
    return t;
}

TableDef makeCollectionType()
{
    TableDef t;
    t.name = QStringLiteral("CollectionType");
    t.fileName = QStringLiteral("CollectionType.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {noCaseText("CollectionName", 30)};
    t.primaryOrder = {QStringLiteral("CollectionName")};
    t.indexes = {{QStringLiteral("CollectionTypeName"), {QStringLiteral("CollectionName")}, true, true}};
    return t;
}

TableDef makeFieldSetup()
{
    TableDef t;
    t.name = QStringLiteral("FieldSetup");
    t.fileName = QStringLiteral("FieldSetup.DB");
    t.key = QStringLiteral("ID");
    t.columns = {of("ID", ColumnKind::AutoInc),
                 noCaseText("Collection", 30),
                 of("DataFieldNumber", ColumnKind::Integer),
                 text("DataFieldLabel", 30),
                 of("LeftPosition", ColumnKind::Integer),
                 of("TopPosition", ColumnKind::Integer),
                 of("IsVisible", ColumnKind::Logical)};
    t.indexes = {{QStringLiteral("FieldSetupCollection"),
                  {QStringLiteral("Collection"), QStringLiteral("DataFieldNumber")},
                  false,
                  true}};
    return t;
}

TableDef makeLists()
{
    TableDef t;
    t.name = QStringLiteral("Lists");
    t.fileName = QStringLiteral("Lists.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {noCaseText("Collection", 30), of("DataFieldNumber", ColumnKind::Integer), text("Values", 30)};
    t.secondaryOrders = {QStringLiteral("Collection")};
    t.indexes = {{QStringLiteral("ListsCollection"),
                  {QStringLiteral("Collection"), QStringLiteral("DataFieldNumber")},
                  false,
                  true}};
    return t;
}

TableDef makeOptions()
{
    TableDef t;
    t.name = QStringLiteral("Options");
    t.fileName = QStringLiteral("Options.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {text("BackgroundPicture", 192),  of("Centered", ColumnKind::Logical),
                 text("PicturesDirectory"),       text("ReportTitle", 25),
                 text("DefaultCollection", 30),   of("AutoClear", ColumnKind::Logical),
                 of("HTabs", ColumnKind::Logical)};
    return t;
}

TableDef makeGridTable()
{
    TableDef t;
    t.name = QStringLiteral("GridTable");
    t.fileName = QStringLiteral("GridTable.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {text("CollectionName", 30), text("GridData", 50)};
    t.primaryOrder = {QStringLiteral("CollectionName")};
    t.indexes = {{QStringLiteral("GridTableIndex1"), {QStringLiteral("CollectionName")}, true, false}};
    return t;
}

TableDef makeFolderTable()
{
    TableDef t;
    t.name = QStringLiteral("FolderTable");
    t.fileName = QStringLiteral("FolderTable.DB");
    t.key = QStringLiteral("FolderID");
    t.columns = {of("FolderID", ColumnKind::AutoInc), text("Name", 60), of("ParentID", ColumnKind::Integer)};
    return t;
}

TableDef makeItemTable()
{
    TableDef t;
    t.name = QStringLiteral("ItemTable");
    t.fileName = QStringLiteral("ItemTable.DB");
    t.key = QStringLiteral("ItemID");
    t.columns = {
        of("ItemID", ColumnKind::AutoInc),   of("FolderID", ColumnKind::Integer), text("Name", 60),
        of("Size", ColumnKind::Integer),     of("ItemType", ColumnKind::Integer), of("Modified", ColumnKind::DateTime),
        of("Deleted", ColumnKind::DateTime), of("Template", ColumnKind::Blob)};
    return t;
}

TableDef makeTableTable()
{
    TableDef t;
    t.name = QStringLiteral("TableTable");
    t.fileName = QStringLiteral("TableTable.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {text("TableName", 60), text("TableAlias", 60)};
    t.primaryOrder = {QStringLiteral("TableName")};
    t.indexes = {{QStringLiteral("TableTableIndex1"), {QStringLiteral("TableName")}, true, false}};
    return t;
}

TableDef makeFieldTable()
{
    TableDef t;
    t.name = QStringLiteral("FieldTable");
    t.fileName = QStringLiteral("FieldTable.DB");
    t.key = QStringLiteral("rowid");
    t.columns = {text("TableName", 60), text("FieldName", 60), text("FieldAlias", 60),
                 text("Selectable", 1), text("Searchable", 1), text("Sortable", 1),
                 text("DataType", 60),  text("AutoSearch", 1), text("Mandatory", 1)};
    t.indexes = {
        {QStringLiteral("FieldTableIndex1"), {QStringLiteral("TableName"), QStringLiteral("FieldName")}, true, false}};
    return t;
}

} // namespace

QStringList TableDef::createStatements() const
{
    QStringList columnsSql;
    for (const ColumnDef &c : columns)
        columnsSql.append(Schema::quoted(c.name) + u' ' + sqlType(c.kind) +
                          (c.noCase ? QStringLiteral(" COLLATE NOCASE") : QString()));
    QStringList statements{QStringLiteral("CREATE TABLE %1 (%2)").arg(Schema::quoted(name), columnsSql.join(u", "))};
    for (const IndexDef &index : indexes) {
        QStringList parts;
        for (const QString &c : index.columns)
            parts.append(Schema::quoted(c) + (index.noCase ? QStringLiteral(" COLLATE NOCASE") : QString()));
        statements.append(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                              .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), Schema::quoted(index.name),
                                   Schema::quoted(name), parts.join(u", ")));
    }
    return statements;
}

namespace Schema {

#define CURIODEX_TABLE(fn, maker)                                                                                      \
    const TableDef &fn()                                                                                               \
    {                                                                                                                  \
        static const TableDef def = maker();                                                                           \
        return def;                                                                                                    \
    }
CURIODEX_TABLE(collection, makeCollection)
CURIODEX_TABLE(collectionType, makeCollectionType)
CURIODEX_TABLE(fieldSetup, makeFieldSetup)
CURIODEX_TABLE(lists, makeLists)
CURIODEX_TABLE(options, makeOptions)
CURIODEX_TABLE(gridTable, makeGridTable)
CURIODEX_TABLE(folderTable, makeFolderTable)
CURIODEX_TABLE(itemTable, makeItemTable)
CURIODEX_TABLE(tableTable, makeTableTable)
CURIODEX_TABLE(fieldTable, makeFieldTable)
#undef CURIODEX_TABLE

QList<const TableDef *> coreTables()
{
    return {&collection(), &collectionType(), &fieldSetup(), &lists(), &options()};
}

const TableDef *find(const QString &name)
{
    QString bare = name;
    if (bare.endsWith(QStringLiteral(".DB"), Qt::CaseInsensitive))
        bare.chop(3);
    for (const TableDef *t : {&collection(), &collectionType(), &fieldSetup(), &lists(), &options(), &gridTable(),
                              &folderTable(), &itemTable(), &tableTable(), &fieldTable()})
        if (t->name.compare(bare, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace Schema
