#include "ExchangeFixture.h"
#include "RecordingStatusSink.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "collections/ListValues.h"
#include "exchange/TImporterForm.h"
#include "exchange/TextGridModel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

using namespace ExchangeFixture;

class TestTImporterForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opening();
    void pagesAndButtons();
    void rawLines();
    void verifyTable_data();
    void verifyTable();
    void nothingToDo();
    void importComplete();
    void failedCheckWritesNothing();
    void unreadableFiles_data();
    void unreadableFiles();
    void openQuoteAtTheEnd();
    void movedDownWhenFirstActive();

private:
    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("in.csv"));
    void chooseFile(TImporterForm &form, const QString &file);
    void choose(TImporterForm &form, const QStringList &labels);
    QStringList texts(const QListWidget *list) const;
    QList<QStringList> shownRows(const TImporterForm &form) const;

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
};

void TestTImporterForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestTImporterForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Mugs"));
    status = std::make_unique<RecordingStatusSink>();
    MessageSeam::answerWith({});
    FileDialogSeam::reset();
}

void TestTImporterForm::cleanup()
{
    MessageSeam::reset();
    FileDialogSeam::reset();
    status.reset();
    db.reset();
}

QString TestTImporterForm::write(const QByteArray &bytes, const QString &name)
{
    const QString path = db->dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void TestTImporterForm::chooseFile(TImporterForm &form, const QString &file)
{
    FileDialogSeam::setNextFileName(file);
    form.SpeedButton1Click();
}

void TestTImporterForm::choose(TImporterForm &form, const QStringList &labels)
{
    for (const QString &label : labels) {
        form.ListBox1->setCurrentItem(form.ListBox1->findItems(label, Qt::MatchExactly).value(0));
        form.Button5Click();
    }
}

QStringList TestTImporterForm::texts(const QListWidget *list) const
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

QList<QStringList> TestTImporterForm::shownRows(const TImporterForm &form) const
{
    QList<QStringList> rows;
    const TextGridModel &model = form.verifyRows();
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row.append(model.cellText(r, c));
        rows.append(row);
    }
    return rows;
}

void TestTImporterForm::opening()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Import Data Into Mugs Collection"));
    QCOMPARE(form.statusTip(), QStringLiteral("Import collection"));
    QCOMPARE(helpContext(&form), 6001);
    QCOMPARE(form.catalogue().size(), 57);
    QCOMPARE(form.ListBox1->count(), 57);
    QVERIFY(texts(form.ListBox1).contains(QStringLiteral("Ignore_Field10")));
    QVERIFY(texts(form.ListBox1).contains(QStringLiteral("Notes")));
    QCOMPARE(texts(form.ListBox2), QStringList({"Name"}));
    QCOMPARE(form.SpinEdit1->value(), 0);
    QCOMPARE(form.SpinEdit2->maximum(), 999);
}

void TestTImporterForm::pagesAndButtons()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    auto states = [&form] {
        return QList<bool>{form.Button1->isEnabled(), form.Button2->isEnabled(), form.Button3->isEnabled()};
    };
    QCOMPARE(form.page(), TImporterForm::SelectFile);
    QCOMPARE(states(), QList<bool>({false, false, false}));
    FileDialogSeam::setNextFileName(QString());
    form.SpeedButton1Click(); // cancelled
    QCOMPARE(states(), QList<bool>({false, false, false}));
    chooseFile(form, write("Name\r\nMug\r\n"));
    QCOMPARE(states(), QList<bool>({false, true, false}));
    form.Button2Click();
    QCOMPARE(form.page(), TImporterForm::AssignFields);
    QCOMPARE(form.PageTitle->text(), QStringLiteral("Assign Fields"));
    QCOMPARE(states(), QList<bool>({true, true, false}));
    form.Button2Click();
    QCOMPARE(form.page(), TImporterForm::VerifyFields);
    QCOMPARE(states(), QList<bool>({true, false, true}));
    form.Button2Click();
    QCOMPARE(form.page(), TImporterForm::VerifyFields);
    form.Button1Click();
    form.Button1Click();
    QCOMPARE(form.page(), TImporterForm::SelectFile);
    QCOMPARE(states(), QList<bool>({false, true, false}));
}

void TestTImporterForm::rawLines()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    const QString file = write("Name,Notes\r\nMug,\"one\r\ntwo\"\n" + QByteArray(5000, 'x') + "\r\n");
    chooseFile(form, file);
    QCOMPARE(form.Edit1->text(), QDir::toNativeSeparators(file));
    const TextGridModel &lines = form.rawLines();
    QCOMPARE(lines.rowCount(), 4);
    QCOMPARE(lines.columnCount(), 1);
    QCOMPARE(lines.cellText(1, 0), QStringLiteral("Mug,\"one"));
    QCOMPARE(lines.cellText(2, 0), QStringLiteral("two\""));
    QCOMPARE(lines.cellText(3, 0).size(), TextGridModel::ShownLength + 1);

    // Typing another name reads nothing; another choice replaces the lines.
    form.Edit1->setText(write("Other\r\n", QStringLiteral("other.csv")));
    QCOMPARE(form.rawLines().rowCount(), 4);
    chooseFile(form, db->dir.filePath(QStringLiteral("other.csv")));
    QCOMPARE(form.rawLines().rowCount(), 1);
}

void TestTImporterForm::verifyTable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("skipFirst");
    QTest::addColumn<int>("skipLast");
    QTest::addColumn<QList<QStringList>>("rows");

    const QByteArray exported = "Name,Retail Price,Notes\r\n\"Smith, John\",\"$1,234.50\",\"a\r\nb\"\r\n\r\n"
                                "  \r\nPlate,,x,extra\r\nShort\r\n";
    QTest::newRow("heading as a row") << exported << 0 << 0
                                      << QList<QStringList>{{"1", "Name", "Retail Price", "Notes"},
                                                            {"2", "Smith, John", "$1,234.50", "a\r\nb"},
                                                            {"3", "Plate", "", "x"},
                                                            {"4", "Short", "", ""}};
    QTest::newRow("heading left out") << exported << 1 << 1
                                      << QList<QStringList>{{"1", "Smith, John", "$1,234.50", "a\r\nb"},
                                                            {"2", "Plate", "", "x"}};
    QTest::newRow("everything left out") << exported << 3 << 3 << QList<QStringList>{};
}

void TestTImporterForm::verifyTable()
{
    QFETCH(QByteArray, file);
    QFETCH(int, skipFirst);
    QFETCH(int, skipLast);
    QFETCH(QList<QStringList>, rows);

    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write(file));
    form.Button2Click();
    choose(form, {QStringLiteral("Retail Price"), QStringLiteral("Notes")});
    form.SpinEdit1->setValue(skipFirst);
    form.SpinEdit2->setValue(skipLast);
    form.Button2Click();
    const TextGridModel &model = form.verifyRows();
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString());
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Name"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral(" Notes"));
    QCOMPARE(shownRows(form), rows);
    const QFontMetrics metrics(form.StringGrid2->font());
    QCOMPARE(form.StringGrid2->columnWidth(0), metrics.horizontalAdvance(QStringLiteral("XXXXX")));
    QCOMPARE(form.StringGrid2->columnWidth(2), 2 * metrics.horizontalAdvance(QStringLiteral("Retail Price")));
}

void TestTImporterForm::nothingToDo()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write("a\r\nb\r\nc\r\nd\r\ne\r\n"));
    form.Button2Click();
    form.SpinEdit1->setValue(2);
    form.SpinEdit2->setValue(3);
    form.Button2Click();
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("Nothing to do!"));
    QVERIFY(status->shown.isEmpty());
}

void TestTImporterForm::importComplete()
{
    ListValues::LearnListValue(db->dm(), QStringLiteral("Mugs"), 1, QStringLiteral("Blue"));
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write("Name,Series,Money\r\nMug,blue,\"$1,234.50\"\r\nPlate,Red,(5.25)\r\n"));
    form.Button2Click();
    choose(form, {QStringLiteral("Series"), QStringLiteral("Retail Price")});
    form.SpinEdit1->setValue(1);
    form.Button2Click();
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("Import Complete!"));
    QVERIFY(!form.Button3->isEnabled());
    QCOMPARE(status->shown.front(), QStringLiteral("Validating data"));
    QVERIFY(status->current.isEmpty());
    const QList<QVariantMap> imported = items(db->dm(), QStringLiteral("Mugs"));
    QCOMPARE(imported.size(), 2);
    QCOMPARE(imported.at(0).value(QStringLiteral("RetailPrice")).toString(), QStringLiteral("1234.50"));
    QCOMPARE(imported.at(1).value(QStringLiteral("RetailPrice")).toString(), QStringLiteral("-5.25"));
    QCOMPARE(count(db->dm(), QStringLiteral("SELECT count(*) FROM Lists WHERE DataFieldNumber = 1")), 2);

    // Back and forward again: Finish imports the rows once more.
    form.Button1Click();
    form.Button2Click();
    QVERIFY(form.Button3->isEnabled());
    form.Button3Click();
    QCOMPARE(items(db->dm(), QStringLiteral("Mugs")).size(), 4);
    QCOMPARE(count(db->dm(), QStringLiteral("SELECT count(*) FROM Lists WHERE DataFieldNumber = 1")), 2);
}

void TestTImporterForm::failedCheckWritesNothing()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write("A,x\r\n\r\n,y\r\nC,z\r\n"));
    form.Button2Click();
    form.Button2Click();
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("Missing  Name in Row 2"));
    QCOMPARE(items(db->dm(), QStringLiteral("Mugs")).size(), 0);
    QVERIFY(form.Button3->isEnabled());
    QCOMPARE(status->current, QStringLiteral("Validating data"));
    form.reject();
    QVERIFY(status->current.isEmpty());
}

void TestTImporterForm::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("binary") << QByteArray("Name\r\n\0\1\2", 9) << "binary data";
    QTest::newRow("not there") << QByteArray() << "Cannot open ";
}

void TestTImporterForm::unreadableFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write("Good\r\n", QStringLiteral("good.csv")));
    QCOMPARE(form.rawLines().rowCount(), 1);
    const QString file = bytes.isEmpty() ? db->dir.filePath(QStringLiteral("none.csv")) : write(bytes);
    TImporterForm fresh(nullptr, QStringLiteral("Mugs"));
    for (TImporterForm *f : {&form, &fresh}) {
        MessageSeam::answerWith({});
        chooseFile(*f, file);
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Error);
        QVERIFY2(MessageSeam::asked().front().text.contains(message), qPrintable(MessageSeam::asked().front().text));
    }
    // The lines read before stay; a failed choice enables nothing.
    QCOMPARE(form.rawLines().rowCount(), 1);
    QVERIFY(form.Button2->isEnabled());
    QCOMPARE(fresh.rawLines().rowCount(), 0);
    QVERIFY(!fresh.Button2->isEnabled());
}

void TestTImporterForm::openQuoteAtTheEnd()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    chooseFile(form, write("A\r\n\"B\r\nC\r\n"));
    form.Button2Click();
    form.Button2Click();
    QCOMPARE(shownRows(form), QList<QStringList>({{"1", "A"}, {"2", "B\r\nC"}}));
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QVERIFY(MessageSeam::asked().front().text.contains(QStringLiteral("quoted value")));
    QCOMPARE(items(db->dm(), QStringLiteral("Mugs")).size(), 0);

    // Leaving the broken last line out imports the rest.
    MessageSeam::answerWith({});
    form.Button1Click();
    form.SpinEdit2->setValue(1);
    form.Button2Click();
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("Import Complete!"));
    QCOMPARE(items(db->dm(), QStringLiteral("Mugs")).size(), 1);
}

void TestTImporterForm::movedDownWhenFirstActive()
{
    TImporterForm form(nullptr, QStringLiteral("Mugs"));
    form.FormActivate();
    QVERIFY(form.screen());
    QCOMPARE(form.frameGeometry().translated(0, -25).center(), form.screen()->availableGeometry().center());
    const QPoint placed = form.pos();
    form.move(placed.x(), placed.y() - 25);
    form.FormActivate();
    QCOMPARE(form.pos(), QPoint(placed.x(), placed.y() - 25));
}

QTEST_MAIN(TestTImporterForm)
#include "TestTImporterForm.moc"
