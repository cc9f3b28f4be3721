#include "ShellFixture.h"
#include "app/OptionsStore.h"

class TestOptionsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void editsTheOneRow();
    void startsARowWhenNoneExists();
};

namespace {
SysConfigRecord Options()
{
    SysConfigRecord options;
    options.BackgroundPicture = QStringLiteral("/p/b.png");
    options.Centered = false;
    options.PicturesDirectory = QStringLiteral("/p/");
    options.ReportTitle = QStringLiteral("Title");
    options.DefaultCollection = QStringLiteral("Coins");
    options.AutoClear = true;
    options.HTabs = false;
    return options;
}

int RowCount(TDataModule1 &dm)
{
    QSqlQuery q(dm.database());
    return q.exec(QStringLiteral("SELECT count(*) FROM Options")) && q.next() ? q.value(0).toInt() : -1;
}
} // namespace

void TestOptionsStore::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestOptionsStore::editsTheOneRow()
{
    ShellFixture db;
    OptionsStore::save(db.dm(), Options());
    OptionsStore::save(db.dm(), Options());
    QCOMPARE(RowCount(db.dm()), 1);
    const SysConfigRecord stored = db.storedOptions();
    QCOMPARE(stored.BackgroundPicture, QStringLiteral("/p/b.png"));
    QCOMPARE(stored.Centered, false);
    QCOMPARE(stored.PicturesDirectory, QStringLiteral("/p/"));
    QCOMPARE(stored.ReportTitle, QStringLiteral("Title"));
    QCOMPARE(stored.DefaultCollection, QStringLiteral("Coins"));
    QCOMPARE(stored.AutoClear, true);
    QCOMPARE(stored.HTabs, true); // as the new database has it: never written here
    QVERIFY(!db.dm().OptionsTable->isOpen());
}

void TestOptionsStore::startsARowWhenNoneExists()
{
    ShellFixture db;
    {
        QSqlQuery q(db.dm().database());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM Options")));
    }
    OptionsStore::save(db.dm(), Options());
    QCOMPARE(RowCount(db.dm()), 1);
    QCOMPARE(db.storedOptions().ReportTitle, QStringLiteral("Title"));
}

QTEST_GUILESS_MAIN(TestOptionsStore)
#include "TestOptionsStore.moc"
