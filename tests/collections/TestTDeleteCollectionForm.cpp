#include "RecordingSelectorSink.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "collections/TDeleteCollectionForm.h"
#include "common/TestDatabase.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

class TestTDeleteCollectionForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void opensOnFirstRow();
    void deletesCurrentCollection_data();
    void deletesCurrentCollection();
    void refusesCollectionWithItems();
    void storeFailureDeletesNothing();
    void emptyGridDoesNothing();

private:
    int count(const QString &sql);
    QStringList shown(const TDeleteCollectionForm &form);
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingSelectorSink> selector;
};

void TestTDeleteCollectionForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    for (const char *name : {"Plates", "Coins", "stamps"})
        db->addCollection(QString::fromLatin1(name));
    selector = std::make_unique<RecordingSelectorSink>();
    MessageSeam::answerWith({});
}

void TestTDeleteCollectionForm::cleanup()
{
    MessageSeam::reset();
    selector.reset();
    db.reset();
}

int TestTDeleteCollectionForm::count(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    if (!q.exec(sql) || !q.next())
        qFatal("%s", qPrintable(sql));
    return q.value(0).toInt();
}

QStringList TestTDeleteCollectionForm::shown(const TDeleteCollectionForm &form)
{
    QStringList names;
    for (int row = 0; row < form.DBGrid1->rowCount(); ++row)
        names.append(form.DBGrid1->item(row, 0)->text());
    return names;
}

void TestTDeleteCollectionForm::opensOnFirstRow()
{
    TDeleteCollectionForm form(nullptr, QStringLiteral("stamps"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Delete Collection"));
    QCOMPARE(helpContext(&form), 5008);
    QCOMPARE(form.statusTip(), QStringLiteral("Delete an existing collection"));
    QCOMPARE(form.DBGrid1->horizontalHeaderItem(0)->text(), QStringLiteral("CollectionName"));
    QCOMPARE(shown(form), (QStringList{"Coins", "Plates", "stamps"}));
    QCOMPARE(form.currentCollection(), QStringLiteral("Coins"));
    QCOMPARE(form.DBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestTDeleteCollectionForm::deletesCurrentCollection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("first") << 0 << "Coins"
                           << "Plates";
    QTest::newRow("middle: the grid moves to the next row") << 1 << "Plates"
                                                            << "stamps";
    QTest::newRow("last: the grid stands on the new last row") << 2 << "stamps"
                                                               << "Plates";
}

void TestTDeleteCollectionForm::deletesCurrentCollection()
{
    QFETCH(int, row);
    QFETCH(QString, deleted);
    QFETCH(QString, currentAfter);
    TDeleteCollectionForm form(nullptr, QString());
    form.DBGrid1->setCurrentCell(row, 0);
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM CollectionType WHERE CollectionName = '%1'").arg(deleted)), 0);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM FieldSetup WHERE Collection = '%1'").arg(deleted)), 0);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 92);
    QCOMPARE(selector->removed, QStringList{deleted});
    QVERIFY(!shown(form).contains(deleted));
    QCOMPARE(form.currentCollection(), currentAfter);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestTDeleteCollectionForm::refusesCollectionWithItems()
{
    db->addItem(QStringLiteral("PLATES"), {{"Name", "Willow plate"}});
    TDeleteCollectionForm form(nullptr, QString());
    form.DBGrid1->setCurrentCell(1, 0);
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Warning);
    QCOMPARE(MessageSeam::asked().first().text,
             QStringLiteral("Cannot delete Plates\n\nThe collection contains items"));
    QCOMPARE(MessageSeam::asked().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 3);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 3 * 46);
    QVERIFY(selector->removed.isEmpty());
    QCOMPARE(shown(form).size(), 3);
}

void TestTDeleteCollectionForm::storeFailureDeletesNothing()
{
    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("CREATE TRIGGER refuse BEFORE DELETE ON FieldSetup BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    TDeleteCollectionForm form(nullptr, QString());
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
    QVERIFY(MessageSeam::asked().first().text.contains(QStringLiteral("disk is full")));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 3);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 3 * 46);
    QVERIFY(selector->removed.isEmpty());
    QCOMPARE(form.currentCollection(), QStringLiteral("Coins"));
}

void TestTDeleteCollectionForm::emptyGridDoesNothing()
{
    TDeleteCollectionForm form(nullptr, QString());
    for (int i = 0; i < 3; ++i)
        form.Button1Click();
    QCOMPARE(form.DBGrid1->rowCount(), 0);
    QCOMPARE(selector->removed.size(), 3);
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
    QCOMPARE(selector->removed.size(), 3);
    form.Button2->click();
    QVERIFY(!db->dm().CollTypesTable->isOpen());
}

QTEST_MAIN(TestTDeleteCollectionForm)
#include "TestTDeleteCollectionForm.moc"
