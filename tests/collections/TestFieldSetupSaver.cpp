#include "collections/FieldSetupSaver.h"
#include "common/TestDatabase.h"

#include <QSqlQuery>
#include <QTest>

class TestFieldSetupSaver : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void writesEveryRowOfTheCollection();
    void failureChangesNoRow_data();
    void failureChangesNoRow();

private:
    QString snapshot();
    void exec(const QString &sql);
    static FieldLayoutTable changedLayout();
    std::unique_ptr<TestDatabase> db;
};

void TestFieldSetupSaver::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Figurines"));
    db->addCollection(QStringLiteral("Plates"));
}

void TestFieldSetupSaver::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

// Every field setup row as one text, to tell whether anything changed.
QString TestFieldSetupSaver::snapshot()
{
    QSqlQuery q(db->dm().database());
    q.exec("SELECT ID, Collection, DataFieldNumber, DataFieldLabel, LeftPosition, TopPosition, IsVisible "
           "FROM FieldSetup ORDER BY ID");
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < 7; ++i)
            values.append(q.value(i).toString());
        rows.append(values.join(u'|'));
    }
    return rows.join(u'\n');
}

FieldLayoutTable TestFieldSetupSaver::changedLayout()
{
    FieldLayoutTable layout;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        layout[size_t(n)] = {QStringLiteral("Label %1").arg(n), 8 * n, 400 - 8 * (n % 21), 0, n % 2 == 0};
    layout[0].IsVisible = true;
    return layout;
}

void TestFieldSetupSaver::writesEveryRowOfTheCollection()
{
    exec("UPDATE FieldSetup SET Collection = 'PLATES' WHERE Collection = 'Plates' AND DataFieldNumber = 7");
    const QString before = snapshot();
    const SaveResult r = FieldSetupSaver::save(db->dm(), QStringLiteral("Plates"), changedLayout());
    QVERIFY2(r.ok, qPrintable(r.error));

    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("SELECT DataFieldNumber, DataFieldLabel, LeftPosition, TopPosition, IsVisible, Collection "
                   "FROM FieldSetup WHERE Collection = 'Plates' COLLATE NOCASE ORDER BY DataFieldNumber"));
    int n = 0;
    for (; q.next(); ++n) {
        QCOMPARE(q.value(0).toInt(), n);
        QCOMPARE(q.value(1).toString(), QStringLiteral("Label %1").arg(n));
        QCOMPARE(q.value(2).toInt(), 8 * n);
        QCOMPARE(q.value(3).toInt(), 400 - 8 * (n % 21));
        QCOMPARE(q.value(4).toBool(), n == 0 || n % 2 == 0);
    }
    QCOMPARE(n, 46);
    // The other collection's rows are as they were.
    const QStringList beforeRows = before.split(u'\n');
    const QStringList afterRows = snapshot().split(u'\n');
    for (int i = 0; i < 46; ++i)
        QCOMPARE(afterRows[i], beforeRows[i]);
    Table &setup = *db->dm().FieldSetupTable;
    QVERIFY(!setup.isOpen());
    QVERIFY(!setup.filtered());
    QVERIFY(setup.filter().isEmpty());
}

void TestFieldSetupSaver::failureChangesNoRow_data()
{
    QTest::addColumn<QString>("setupSql");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("missing row in the middle")
        << "DELETE FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 20"
        << "has no row for field 20 (LimitedEdition)";
    QTest::newRow("missing last row") << "DELETE FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 45"
                                      << "has no row for field 45";
    QTest::newRow("store refuses row 30")
        << "CREATE TRIGGER refuse BEFORE UPDATE ON FieldSetup WHEN NEW.DataFieldNumber = 30 "
           "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"
        << "disk is full";
}

void TestFieldSetupSaver::failureChangesNoRow()
{
    QFETCH(QString, setupSql);
    QFETCH(QString, errorPart);
    exec(setupSql);
    const QString before = snapshot();
    const SaveResult r = FieldSetupSaver::save(db->dm(), QStringLiteral("Plates"), changedLayout());
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(errorPart), qPrintable(r.error));
    QVERIFY2(r.error.contains(QStringLiteral("changed")), qPrintable(r.error));
    QCOMPARE(snapshot(), before);
    QVERIFY(!db->dm().FieldSetupTable->isOpen());
    QVERIFY(!db->dm().FieldSetupTable->filtered());
}

QTEST_GUILESS_MAIN(TestFieldSetupSaver)
#include "TestFieldSetupSaver.moc"
