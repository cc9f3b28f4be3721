#include "RecordingSelectorSink.h"
#include "RecordingStatusSink.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "collections/TCreateCollectionForm.h"
#include "common/TestDatabase.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>

class TestTCreateCollectionForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void opens();
    void createsFromDefaultSetup();
    void copiesSelectedCollection();
    void refusals_data();
    void refusals();
    void storeFailureWritesNothing();
    void closingClearsStatus();

private:
    int count(const QString &sql);
    QStringList listed(const TCreateCollectionForm &form);
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
    std::unique_ptr<RecordingSelectorSink> selector;
};

void TestTCreateCollectionForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("stamps"));
    db->addCollection(QStringLiteral("Figurines"));
    status = std::make_unique<RecordingStatusSink>();
    selector = std::make_unique<RecordingSelectorSink>();
    MessageSeam::answerWith({});
}

void TestTCreateCollectionForm::cleanup()
{
    MessageSeam::reset();
    selector.reset();
    status.reset();
    db.reset();
}

int TestTCreateCollectionForm::count(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    if (!q.exec(sql) || !q.next())
        qFatal("%s", qPrintable(sql));
    return q.value(0).toInt();
}

QStringList TestTCreateCollectionForm::listed(const TCreateCollectionForm &form)
{
    QStringList names;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        names.append(form.ListBox1->item(i)->text());
    return names;
}

void TestTCreateCollectionForm::opens()
{
    TCreateCollectionForm form(nullptr, QStringLiteral("Figurines"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Create Collection Catalog"));
    QCOMPARE(helpContext(&form), 5006);
    QCOMPARE(form.statusTip(), QStringLiteral("Create a new Collection category"));
    QCOMPARE(form.Edit1->maxLength(), 30);
    QCOMPARE(form.GroupBox1->title(), QStringLiteral(" Based on Template "));
    QVERIFY(form.RadioButton1->isChecked());
    QCOMPARE(listed(form), (QStringList{"Figurines", "stamps"}));
    QVERIFY(!db->dm().CollTypesTable->isOpen());
}

void TestTCreateCollectionForm::createsFromDefaultSetup()
{
    TCreateCollectionForm form(nullptr, QString());
    form.Edit1->setText(QStringLiteral("Gr'ace's Plates"));
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
    QCOMPARE(count("SELECT count(*) FROM CollectionType WHERE CollectionName = 'Graces Plates'"), 1);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Graces Plates' AND IsVisible = 1"), 46);
    QCOMPARE(listed(form), (QStringList{"Figurines", "Graces Plates", "stamps"}));
    QCOMPARE(selector->added, QStringList{"Graces Plates"});
    QCOMPARE(status->current, QStringLiteral("Added new Collection category for Graces Plates"));
    QVERIFY(form.Edit1->text().isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    // The dialog stays open for the next one.
    form.Edit1->setText(QStringLiteral("Coins"));
    form.Button1Click();
    QCOMPARE(selector->added, (QStringList{"Graces Plates", "Coins"}));
}

void TestTCreateCollectionForm::copiesSelectedCollection()
{
    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("UPDATE FieldSetup SET DataFieldLabel = 'Year Made', IsVisible = 0 "
                   "WHERE Collection = 'Figurines' AND DataFieldNumber = 14"));
    TCreateCollectionForm form(nullptr, QString());
    form.RadioButton2->setChecked(true);
    form.ListBox1->setCurrentRow(0);
    form.Edit1->setText(QStringLiteral("Plates"));
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
    // The new collection serves as a template at once.
    form.ListBox1->setCurrentRow(int(listed(form).indexOf("Plates")));
    form.Edit1->setText(QStringLiteral("Bowls"));
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
    for (const char *name : {"Plates", "Bowls"}) {
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM FieldSetup WHERE Collection = '%1'").arg(name)), 46);
        QCOMPARE(count(QStringLiteral("SELECT count(*) FROM FieldSetup WHERE Collection = '%1' AND DataFieldNumber = "
                                      "14 AND DataFieldLabel = 'Year Made' AND IsVisible = 0")
                           .arg(name)),
                 1);
    }
}

void TestTCreateCollectionForm::refusals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("fromSelected");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("editAfter");
    const int info = int(MessageKind::Information);
    const int error = int(MessageKind::Error);
    QTest::newRow("no name") << "" << false << info << "You must enter a Collection name!"
                             << "";
    QTest::newRow("no template chosen") << "Bob's" << true << info << "You must select a Collection from the list!"
                                        << "Bobs";
    QTest::newRow("existing name in other case")
        << "FIGURINES" << false << error << "A Collection named Figurines already exists"
        << "FIGURINES";
    QTest::newRow("only apostrophes") << "''" << false << error << "nothing but apostrophes"
                                      << "";
}

void TestTCreateCollectionForm::refusals()
{
    QFETCH(QString, typed);
    QFETCH(bool, fromSelected);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, editAfter);
    TCreateCollectionForm form(nullptr, QString());
    form.RadioButton2->setChecked(fromSelected);
    form.Edit1->setText(typed);
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(int(MessageSeam::asked().first().kind), kind);
    QVERIFY2(MessageSeam::asked().first().text.contains(message), qPrintable(MessageSeam::asked().first().text));
    QCOMPARE(form.Edit1->text(), editAfter);
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 2);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 92);
    QVERIFY(selector->added.isEmpty());
    QVERIFY(status->shown.isEmpty());
    QCOMPARE(form.ListBox1->count(), 2);
}

void TestTCreateCollectionForm::storeFailureWritesNothing()
{
    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON CollectionType BEGIN SELECT RAISE(ABORT, 'disk is full'); "
                   "END"));
    TCreateCollectionForm form(nullptr, QString());
    form.Edit1->setText(QStringLiteral("Plates"));
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
    QVERIFY(MessageSeam::asked().first().text.contains(QStringLiteral("disk is full")));
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 92);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Plates"));
    QVERIFY(selector->added.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestTCreateCollectionForm::closingClearsStatus()
{
    TCreateCollectionForm form(nullptr, QString());
    form.Edit1->setText(QStringLiteral("Plates"));
    form.Button1Click();
    QCOMPARE(status->clears, 0);
    form.Button2->click();
    QCOMPARE(status->clears, 1);
    QVERIFY(status->current.isEmpty());
}

QTEST_MAIN(TestTCreateCollectionForm)
#include "TestTCreateCollectionForm.moc"
