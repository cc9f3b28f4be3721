#include "RecordingStatusSink.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "collections/ListValuesModel.h"
#include "collections/TListMaintForm.h"
#include "common/TestDatabase.h"

#include <QComboBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

class TestTListMaintForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void opensOnSeries();
    void entryPositionChoosesField_data();
    void entryPositionChoosesField();
    void missingSetupRowKeepsLabelsWithTheirValues();
    void deleteAsks_data();
    void deleteAsks();
    void failedDeleteKeepsValue();
    void emptyListAsksNothing();
    void closingClearsStatusAndResetsTable();

private:
    void exec(const QString &sql);
    int count(const QString &sql);
    QStringList shownValues(const TListMaintForm &form);
    QStringList entries(const TListMaintForm &form);
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
};

void TestTListMaintForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Plates"));
    db->addCollection(QStringLiteral("Coins"));
    exec("INSERT INTO Lists (Collection, DataFieldNumber, \"Values\") VALUES "
         "('Plates', 1, 'Willow'), ('Plates', 1, 'Asiatic'), ('Plates', 11, 'Mint'), ('Plates', 12, 'Attic'), "
         "('Plates', 28, 'Round'), ('Coins', 1, 'Roman')");
    status = std::make_unique<RecordingStatusSink>();
    MessageSeam::answerWith({});
}

void TestTListMaintForm::cleanup()
{
    MessageSeam::reset();
    status.reset();
    db.reset();
}

void TestTListMaintForm::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

int TestTListMaintForm::count(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    if (!q.exec(sql) || !q.next())
        qFatal("%s", qPrintable(sql));
    return q.value(0).toInt();
}

QStringList TestTListMaintForm::shownValues(const TListMaintForm &form)
{
    QStringList values;
    QAbstractItemModel *model = form.DBGrid1->model();
    for (int row = 0; row < model->rowCount(); ++row)
        values.append(model->index(row, 0).data().toString());
    return values;
}

QStringList TestTListMaintForm::entries(const TListMaintForm &form)
{
    QStringList labels;
    for (int i = 0; i < form.ComboBox1->count(); ++i)
        labels.append(form.ComboBox1->itemText(i));
    return labels;
}

void TestTListMaintForm::opensOnSeries()
{
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    QCOMPARE(form.windowTitle(), QStringLiteral("List Maintenance"));
    QCOMPARE(form.statusTip(), QStringLiteral("Delete unused list items"));
    QCOMPARE(helpContext(&form), 5009);
    QVERIFY(!form.ComboBox1->isEditable());
    QCOMPARE(entries(form), (QStringList{"Series", "Manufacturer", "Item Condition", "Box Condition", "Location",
                                         "Color", "Material", "List1", "List2", "List3", "List4", "List5"}));
    QCOMPARE(form.ComboBox1->currentIndex(), 0);
    QCOMPARE(form.shownField(), 1);
    QCOMPARE(shownValues(form), (QStringList{"Willow", "Asiatic"}));
    QCOMPARE(form.DBGrid1->model()->columnCount(), 1);
    QCOMPARE(form.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Values"));
    QVERIFY(db->dm().ListsTable->isOpen());
}

void TestTListMaintForm::entryPositionChoosesField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("Box Condition") << 3 << 11 << QStringList{"Mint"};
    QTest::newRow("Location") << 4 << 12 << QStringList{"Attic"};
    QTest::newRow("List1") << 7 << 28 << QStringList{"Round"};
    QTest::newRow("List5, empty") << 11 << 32 << QStringList();
    QTest::newRow("back to Series") << 0 << 1 << QStringList{"Willow", "Asiatic"};
}

void TestTListMaintForm::entryPositionChoosesField()
{
    QFETCH(int, index);
    QFETCH(int, field);
    QFETCH(QStringList, values);
    // A label naming another field does not matter: the position decides.
    exec("UPDATE FieldSetup SET DataFieldLabel = 'Series' WHERE Collection = 'Plates' AND DataFieldNumber = 28");
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    form.ComboBox1->setCurrentIndex(1);
    form.ComboBox1->setCurrentIndex(index);
    QCOMPARE(form.shownField(), field);
    QCOMPARE(shownValues(form), values);
}

void TestTListMaintForm::missingSetupRowKeepsLabelsWithTheirValues()
{
    exec("DELETE FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 11");
    exec("UPDATE FieldSetup SET DataFieldLabel = 'Shelf' WHERE Collection = 'Plates' AND DataFieldNumber = 12");
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    QCOMPARE(form.ComboBox1->count(), 12);
    QCOMPARE(form.ComboBox1->itemText(3), QStringLiteral("Box Condition"));
    QCOMPARE(form.ComboBox1->itemText(4), QStringLiteral("Shelf"));
    form.ComboBox1->setCurrentIndex(4);
    QCOMPARE(shownValues(form), QStringList{"Attic"});
    form.ComboBox1->setCurrentIndex(3);
    QCOMPARE(shownValues(form), QStringList{"Mint"});
}

void TestTListMaintForm::deleteAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
    QTest::newRow("box closed") << int(QMessageBox::NoButton) << true;
}

void TestTListMaintForm::deleteAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    MessageSeam::answerWith({QMessageBox::StandardButton(answer)});
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    form.DBGrid1->setCurrentIndex(form.DBGrid1->model()->index(1, 0));
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Confirmation);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("Are you sure you want to delete Asiatic?"));
    QCOMPARE(MessageSeam::asked().first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(count("SELECT count(*) FROM Lists WHERE \"Values\" = 'Asiatic'"), deleted ? 0 : 1);
    QCOMPARE(count("SELECT count(*) FROM Lists"), deleted ? 5 : 6);
    QCOMPARE(shownValues(form), deleted ? QStringList{"Willow"} : (QStringList{"Willow", "Asiatic"}));
    QCOMPARE(status->shown, deleted ? QStringList{"Deleted Asiatic"} : QStringList());
    // Items holding the value are not touched.
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 2);
}

void TestTListMaintForm::failedDeleteKeepsValue()
{
    exec("CREATE TRIGGER refuse BEFORE DELETE ON Lists BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    MessageSeam::answerWith({QMessageBox::Yes});
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 2);
    QCOMPARE(MessageSeam::asked().at(1).kind, MessageKind::Error);
    QCOMPARE(MessageSeam::asked().at(1).text, QStringLiteral("Could not delete Willow"));
    QCOMPARE(MessageSeam::asked().at(1).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(shownValues(form), (QStringList{"Willow", "Asiatic"}));
    QCOMPARE(count("SELECT count(*) FROM Lists"), 6);
    QVERIFY(status->shown.isEmpty());
}

void TestTListMaintForm::emptyListAsksNothing()
{
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    form.ComboBox1->setCurrentIndex(5);
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());
}

void TestTListMaintForm::closingClearsStatusAndResetsTable()
{
    MessageSeam::answerWith({QMessageBox::Yes});
    TListMaintForm form(nullptr, QStringLiteral("Plates"));
    form.Button1Click();
    QCOMPARE(status->current, QStringLiteral("Deleted Willow"));
    form.Button2->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(status->current.isEmpty());
    QCOMPARE(status->clears, 1);
    Table &lists = *db->dm().ListsTable;
    QVERIFY(!lists.isOpen());
    QVERIFY(!lists.filtered());
    QVERIFY(lists.filter().isEmpty());
}

QTEST_MAIN(TestTListMaintForm)
#include "TestTListMaintForm.moc"
