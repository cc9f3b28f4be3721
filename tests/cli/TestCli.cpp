#include "common/TestDatabase.h"
#include "store/Money.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// curiodex-cli run as a process on a data folder of its own.
class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void helpAndVersion();
    void mistakesInTheCommandLine_data();
    void mistakesInTheCommandLine();
    void missingDataFolder();
    void collections();
    void create();
    void exportEveryField();
    void exportChosenFields_data();
    void exportChosenFields();
    void exportFailures_data();
    void exportFailures();
    void importByHeading();
    void importByLabels_data();
    void importByLabels();
    void roundTripThroughFiles();
    void badFiles_data();
    void badFiles();
    void longLine();
    void latin1File();
    void rowsWithMoreValues();
};

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run runCli(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(CURIODEX_CLI), arguments);
    if (!process.waitForStarted())
        return {};
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A data folder with the collection Mugs and three of its items, and an empty collection Copy.
struct Fixture
{
    Fixture()
    {
        db.addCollection(QStringLiteral("Mugs"));
        db.addCollection(QStringLiteral("Copy"));
        db.addItem(QStringLiteral("Mugs"), {{"Name", "Smith, John"},
                                            {"RetailPrice", "1234.5"},
                                            {"Series", "Blue"},
                                            {"LimitedEdition", "True"},
                                            {"Notes", "Two\r\nlines"}});
        db.addItem(QStringLiteral("Mugs"), {{"Name", "Tiny"}, {"Money1", "-0.0001"}, {"Text1", " padded "}});
        db.addItem(QStringLiteral("Mugs"), {{"Name", "Plain"}});
    }

    QString dir() const { return db.dir.path(); }
    QString file(const QString &name) const { return db.dir.filePath(name); }
    Run run(QStringList arguments, const QByteArray &input = QByteArray()) const
    {
        arguments.prepend(dir());
        arguments.prepend(QStringLiteral("--data-dir"));
        return runCli(arguments, input);
    }
    QStringList names(const QString &collection)
    {
        QStringList names;
        QSqlQuery q(db.dm().database());
        q.prepare(QStringLiteral("SELECT Name FROM Collection WHERE Collection = ? ORDER BY ID"));
        q.addBindValue(collection);
        q.exec();
        while (q.next())
            names.append(q.value(0).toString());
        return names;
    }
    QString column(const QString &collection, const QString &name, const QString &column)
    {
        QSqlQuery q(db.dm().database());
        q.prepare(QStringLiteral("SELECT \"%1\" FROM Collection WHERE Collection = ? AND Name = ?").arg(column));
        q.addBindValue(collection);
        q.addBindValue(name);
        q.exec();
        return q.next() ? q.value(0).toString() : QStringLiteral("<no item>");
    }

    TestDatabase db;
};

QByteArray heading()
{
    QStringList labels;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        labels.append(FieldCatalogue::defaultLabel(n));
    labels.append(QStringLiteral("Notes"));
    return labels.join(u',').toUtf8() + "\r\n";
}

} // namespace

void TestCli::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(QFile::exists(QStringLiteral(CURIODEX_CLI)), CURIODEX_CLI);
}

void TestCli::helpAndVersion()
{
    const Run help = runCli({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    for (const char *text : {"Usage: curiodex-cli [--data-dir DIR] COMMAND", "collections",
                             "create NAME [--from COLLECTION]", "export COLLECTION FILE [--fields LABEL,...]",
                             "import COLLECTION FILE [--skip-first N] [--skip-last M] [--fields LABEL,...]"})
        QVERIFY2(help.out.contains(text), text);
    const Run version = runCli({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QByteArray("curiodex-cli 2.1.0.0\n"));
}

void TestCli::mistakesInTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("no command") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"list"} << "unknown command list";
    QTest::newRow("unknown option") << QStringList{"collections", "--all"} << "unknown option --all";
    QTest::newRow("missing operand") << QStringList{"export", "Mugs"} << "export needs more operands";
    QTest::newRow("extra operand") << QStringList{"collections", "Mugs"} << "collections has too many operands";
    QTest::newRow("option of another command")
        << QStringList{"export", "Mugs", "x.csv", "--from", "A"} << "export does not take --from";
    QTest::newRow("option without value")
        << QStringList{"import", "Mugs", "x.csv", "--fields"} << "--fields needs a value";
    QTest::newRow("negative skip count") << QStringList{"import", "Mugs", "x.csv", "--skip-first", "-1"}
                                         << "--skip-first needs a whole number of 0 or more, not \"-1\"";
    QTest::newRow("no fields to export") << QStringList{"export", "Mugs", "x.csv", "--fields", ""}
                                         << "--fields names no field.";
    QTest::newRow("skip count not a number") << QStringList{"import", "Mugs", "x.csv", "--skip-last=two"}
                                             << "--skip-last needs a whole number of 0 or more, not \"two\"";
}

void TestCli::mistakesInTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    Fixture f;
    const Run run = f.run(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("curiodex-cli: ") + message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCli::missingDataFolder()
{
    QTemporaryDir dir;
    const Run missing =
        runCli({QStringLiteral("--data-dir"), dir.filePath(QStringLiteral("none")), QStringLiteral("collections")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("does not exist")), qPrintable(missing.err));
    const Run empty = runCli({QStringLiteral("--data-dir"), dir.path(), QStringLiteral("collections")});
    QCOMPARE(empty.exitCode, 1);
    QVERIFY2(empty.err.contains(QStringLiteral("There is no Curiodex database")), qPrintable(empty.err));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Curiodex.db"))));
}

void TestCli::collections()
{
    Fixture f;
    f.db.addCollection(QStringLiteral("apples"));
    const Run run = f.run({QStringLiteral("collections")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("apples\nCopy\nMugs\n"));
    QVERIFY(run.err.isEmpty());
}

void TestCli::create()
{
    Fixture f;
    QSqlQuery q(f.db.dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = 'Maker' WHERE Collection = 'Mugs' AND "
                          "DataFieldNumber = 2"));
    const Run plain = f.run({QStringLiteral("create"), QStringLiteral("Plates")});
    QCOMPARE(plain.exitCode, 0);
    QVERIFY(plain.out.contains("Plates"));
    const Run copied =
        f.run({QStringLiteral("create"), QStringLiteral("Cups"), QStringLiteral("--from"), QStringLiteral("mugs")});
    QCOMPARE(copied.exitCode, 0);
    q.exec(QStringLiteral("SELECT Collection, DataFieldLabel FROM FieldSetup WHERE DataFieldNumber = 2 AND Collection "
                          "IN ('Plates', 'Cups') ORDER BY Collection"));
    QStringList labels;
    while (q.next())
        labels.append(q.value(0).toString() + u':' + q.value(1).toString());
    QCOMPARE(labels, QStringList({"Cups:Maker", "Plates:Manufacturer"}));

    const Run again = f.run({QStringLiteral("create"), QStringLiteral("plates")});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.startsWith(QStringLiteral("curiodex-cli: ")));
    const Run fromNothing =
        f.run({QStringLiteral("create"), QStringLiteral("Bowls"), QStringLiteral("--from"), QStringLiteral("Nothing")});
    QCOMPARE(fromNothing.exitCode, 1);
    QVERIFY2(fromNothing.err.contains(QStringLiteral("There is no collection named Nothing.")),
             qPrintable(fromNothing.err));

    // A new data folder gets its database.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/data"));
    QCOMPARE(runCli({QStringLiteral("--data-dir"), folder, QStringLiteral("create"), QStringLiteral("First")}).exitCode,
             0);
    QCOMPARE(runCli({QStringLiteral("--data-dir"), folder, QStringLiteral("collections")}).out, QByteArray("First\n"));
}

void TestCli::exportEveryField()
{
    Fixture f;
    const QString path = f.file(QStringLiteral("mugs.csv"));
    const Run run = f.run({QStringLiteral("export"), QStringLiteral("mugs"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QVERIFY(run.out.contains("Exported 3 items of Mugs"));
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.startsWith(heading()));
    const QList<QByteArray> lines = bytes.mid(heading().size()).split('\n');
    QCOMPARE(lines.size(), 5); // four lines (the notes take two) and nothing after the last line end
    QVERIFY(lines.at(0).startsWith("\"Smith, John\",Blue,,\"$1,234.50\",$0.00,"));
    QVERIFY(lines.at(0).endsWith(",\"Two\r"));
    QCOMPARE(lines.at(1), QByteArray("lines\"\r"));
    QVERIFY(lines.at(2).startsWith("Tiny,"));
    QVERIFY(lines.at(2).contains(",-0.0001,"));
    QVERIFY(lines.at(2).contains(", padded ,"));
    QVERIFY(lines.at(3).startsWith("Plain,"));
    QVERIFY(lines.at(4).isEmpty());
}

void TestCli::exportChosenFields_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("in the order given")
        << "Retail Price,name"
        << QByteArray("Retail Price,Name\r\n\"$1,234.50\",\"Smith, John\"\r\n$0.00,Tiny\r\n$0.00,Plain\r\n");
    QTest::newRow("label with a comma, quoted")
        << "Name,\"Size, cm\"" << QByteArray("Name,\"Size, cm\"\r\n\"Smith, John\",\r\nTiny, padded \r\nPlain,\r\n");
}

void TestCli::exportChosenFields()
{
    QFETCH(QString, fields);
    QFETCH(QByteArray, expected);
    Fixture f;
    QSqlQuery q(f.db.dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = 'Size, cm' WHERE DataFieldNumber = 21"));
    const Run toFile = f.run({QStringLiteral("export"), QStringLiteral("Mugs"), f.file(QStringLiteral("out.csv")),
                              QStringLiteral("--fields"), fields});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(readFile(f.file(QStringLiteral("out.csv"))), expected);
    const Run toOutput = f.run(
        {QStringLiteral("export"), QStringLiteral("Mugs"), QStringLiteral("-"), QStringLiteral("--fields=") + fields});
    QCOMPARE(toOutput.exitCode, 0);
    QCOMPARE(toOutput.out, expected);
}

void TestCli::exportFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown collection") << QStringList{"export", "Cars", "out.csv"}
                                        << "There is no collection named Cars.";
    QTest::newRow("unknown label") << QStringList{"export", "Mugs", "out.csv", "--fields", "Name,Colour"}
                                   << "The collection Mugs has no field labelled \"Colour\".";
    QTest::newRow("folder that is not there")
        << QStringList{"export", "Mugs", "no/such/folder/out.csv"} << "Cannot write ";
}

void TestCli::exportFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    Fixture f;
    arguments[2] = f.file(arguments[2]);
    const Run run = f.run(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("curiodex-cli: ") + message), qPrintable(run.err));
    QVERIFY(!QFile::exists(f.file(QStringLiteral("out.csv"))));
}

void TestCli::importByHeading()
{
    Fixture f;
    const QString path = f.file(QStringLiteral("in.csv"));
    writeFile(path, "Series,NAME,Notes,Retail Price\r\nRed,Cup,\"a,\r\nb\",-$5.25\r\n\r\nBlue,Bowl,,12\r\n");
    const Run run = f.run({QStringLiteral("import"), QStringLiteral("copy"), path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(run.out, QByteArray("Imported 2 items into Copy.\n"));
    QCOMPARE(f.names(QStringLiteral("Copy")), QStringList({"Cup", "Bowl"}));
    QCOMPARE(f.column(QStringLiteral("Copy"), QStringLiteral("Cup"), QStringLiteral("Notes")),
             QStringLiteral("a,\r\nb"));
    QCOMPARE(f.column(QStringLiteral("Copy"), QStringLiteral("Cup"), QStringLiteral("RetailPrice")),
             QString::number(-52500));

    // From standard input, with a line left out before the heading.
    const Run piped = f.run({QStringLiteral("import"), QStringLiteral("Copy"), QStringLiteral("-"),
                             QStringLiteral("--skip-first"), QStringLiteral("1")},
                            "Exported by hand\nName\nSaucer\n");
    QCOMPARE(piped.exitCode, 0);
    QCOMPARE(f.names(QStringLiteral("Copy")).last(), QStringLiteral("Saucer"));
}

void TestCli::importByLabels_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("names");

    const QByteArray lines = "Title line\r\nA,1\r\nB,2\r\nC,3\r\nTotal line\r\n";
    QTest::newRow("skips at both ends") << lines << QStringList{"--fields", "Name,Retail Price", "--skip-first",
                                                                "1",        "--skip-last",       "1"}
                                        << QStringList{"A", "B", "C"};
    QTest::newRow("ignored column") << QByteArray("1,A\r\n2,B\r\n") << QStringList{"--fields", "Ignore_Field01,Name"}
                                    << QStringList{"A", "B"};
    QTest::newRow("skips cover everything")
        << lines << QStringList{"--fields", "Name", "--skip-first", "3", "--skip-last", "2"} << QStringList{};
}

void TestCli::importByLabels()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(QStringList, names);
    Fixture f;
    writeFile(f.file(QStringLiteral("in.csv")), file);
    const Run run = f.run(
        QStringList{QStringLiteral("import"), QStringLiteral("Copy"), f.file(QStringLiteral("in.csv"))} + options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(f.names(QStringLiteral("Copy")), names);
    if (options.contains(QStringLiteral("Ignore_Field01,Name")))
        QCOMPARE(f.column(QStringLiteral("Copy"), QStringLiteral("A"), QStringLiteral("RetailPrice")),
                 QStringLiteral("0"));
}

// Export, import into the empty collection, export again: the same bytes.
void TestCli::roundTripThroughFiles()
{
    Fixture f;
    const QString first = f.file(QStringLiteral("first.csv"));
    const QString second = f.file(QStringLiteral("second.csv"));
    QCOMPARE(f.run({QStringLiteral("export"), QStringLiteral("Mugs"), first}).exitCode, 0);
    const Run imported = f.run({QStringLiteral("import"), QStringLiteral("Copy"), first});
    QCOMPARE(imported.exitCode, 0);
    QCOMPARE(imported.out, QByteArray("Imported 3 items into Copy.\n"));
    QCOMPARE(f.run({QStringLiteral("export"), QStringLiteral("Copy"), second}).exitCode, 0);
    QCOMPARE(readFile(second), readFile(first));
    QCOMPARE(f.column(QStringLiteral("Copy"), QStringLiteral("Tiny"), QStringLiteral("Money1")), QStringLiteral("-1"));
}

void TestCli::badFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QByteArray() << QStringList{} << "in.csv has no heading line naming the fields";
    QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n") << QStringList{}
                                      << "in.csv has no heading line naming the fields";
    QTest::newRow("binary") << QByteArray("Name\r\nA\0B\r\n", 11) << QStringList{} << "Cannot read ";
    QTest::newRow("unknown label") << QByteArray("Name,Colour\r\nA,red\r\n") << QStringList{} << "The heading of ";
    QTest::newRow("no name column") << QByteArray("Series\r\nA\r\n") << QStringList{} << "The heading of ";
    QTest::newRow("unbalanced quote") << QByteArray("Name,Notes\r\nA,ok\r\nB,\"never closed\r\nC,x\r\n")
                                      << QStringList{} << "";
    QTest::newRow("missing name") << QByteArray("Name,Series\r\nA,1\r\nB,2\r\n,3\r\n") << QStringList{}
                                  << "Missing  Name in Row 3";
    QTest::newRow("amount too large") << QByteArray("A,1\r\nB,123456789012345678901234\r\n")
                                      << QStringList{"--fields", "Name,Money1"}
                                      << "Conversion Error in Row 2, Column  Money1";
}

// A clear message on standard error, a failing exit status, and nothing written.
void TestCli::badFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    Fixture f;
    const QString path = f.file(QStringLiteral("in.csv"));
    writeFile(path, file);
    const Run run = f.run(QStringList{QStringLiteral("import"), QStringLiteral("Copy"), path} + options);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("curiodex-cli: ")), qPrintable(run.err));
    if (message.isEmpty())
        QVERIFY2(run.err.contains(QStringLiteral("ends inside a quoted value")), qPrintable(run.err));
    else
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(f.names(QStringLiteral("Copy")), QStringList());
}

void TestCli::longLine()
{
    Fixture f;
    const QByteArray notes(10 * 1024 * 1024, 'x');
    writeFile(f.file(QStringLiteral("in.csv")), "Name,Notes\r\n" + notes + ',' + notes + "\r\nSmall,y\r\n");
    const Run run = f.run({QStringLiteral("import"), QStringLiteral("Copy"), f.file(QStringLiteral("in.csv"))});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(f.names(QStringLiteral("Copy")), QStringList({QString(40, u'x'), QStringLiteral("Small")}));
    QCOMPARE(f.column(QStringLiteral("Copy"), QString(40, u'x'), QStringLiteral("Notes")).size(), notes.size());
}

void TestCli::latin1File()
{
    Fixture f;
    writeFile(f.file(QStringLiteral("in.csv")), "Name,Series\r\nCaf\xe9,Cr\xe8me\r\n");
    const Run run = f.run({QStringLiteral("import"), QStringLiteral("Copy"), f.file(QStringLiteral("in.csv"))});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("read as Latin-1")), qPrintable(run.err));
    QCOMPARE(f.names(QStringLiteral("Copy")), QStringList({QStringLiteral("Café")}));
    QCOMPARE(f.column(QStringLiteral("Copy"), QStringLiteral("Café"), QStringLiteral("Series")),
             QStringLiteral("Crème"));
}

void TestCli::rowsWithMoreValues()
{
    Fixture f;
    writeFile(f.file(QStringLiteral("in.csv")), "Name,Series\r\nA,1,extra\r\nB,2\r\n");
    const Run run = f.run({QStringLiteral("import"), QStringLiteral("Copy"), f.file(QStringLiteral("in.csv"))});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(QStringLiteral("1 rows of ")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("more values than there are columns")), qPrintable(run.err));
    QCOMPARE(f.names(QStringLiteral("Copy")), QStringList({"A", "B"}));
}

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"
