#include "RecordingStatusSink.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "common/TestDatabase.h"
#include "exchange/TExporterForm.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

class TestTExporterForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opening();
    void labelsDifferingInCaseOnlyOnce();
    void choosingTheFile_data();
    void choosingTheFile();
    void exportWritesTheChosenFields();
    void exportAgainWithoutQuestion();
    void exportFailure();

private:
    QString path(const QString &name) const { return db->dir.filePath(name); }
    QByteArray read(const QString &name) const;
    QStringList texts(const QListWidget *list) const;

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
};

void TestTExporterForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestTExporterForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Mugs"));
    QSqlQuery q(db->dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET IsVisible = 0 WHERE DataFieldNumber = 45"));
    db->addItem(QStringLiteral("Mugs"), {{"Name", "Smith, John"}, {"RetailPrice", "1234.5"}, {"Check1", "True"}});
    db->addItem(QStringLiteral("Mugs"), {{"Name", "5\" Mug"}, {"Notes", "One\r\nTwo"}});
    status = std::make_unique<RecordingStatusSink>();
    MessageSeam::answerWith({});
    FileDialogSeam::reset();
}

void TestTExporterForm::cleanup()
{
    MessageSeam::reset();
    FileDialogSeam::reset();
    status.reset();
    db.reset();
}

QByteArray TestTExporterForm::read(const QString &name) const
{
    QFile file(path(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList TestTExporterForm::texts(const QListWidget *list) const
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

void TestTExporterForm::opening()
{
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Export Data From Mugs Collection"));
    QCOMPARE(form.statusTip(), QStringLiteral("Export Collection"));
    QCOMPARE(helpContext(&form), 6002);
    QCOMPARE(form.catalogue().size(), 47);
    QStringList expected = form.catalogue().entries();
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(texts(form.ListBox1), expected); // hidden fields and Notes included
    QVERIFY(texts(form.ListBox1).contains(QStringLiteral("Checkbox3")));
    QCOMPARE(texts(form.ListBox2), QStringList({"Name"}));
    QVERIFY(!form.Button3->isEnabled());
    QVERIFY(form.targetFile().isEmpty());
}

void TestTExporterForm::labelsDifferingInCaseOnlyOnce()
{
    QSqlQuery q(db->dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = 'Colour' WHERE DataFieldNumber = 21"));
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = 'COLOUR' WHERE DataFieldNumber = 22"));
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    QCOMPARE(texts(form.ListBox1).count(QStringLiteral("Colour")), 1);
    QVERIFY(!texts(form.ListBox1).contains(QStringLiteral("COLOUR")));
}

void TestTExporterForm::choosingTheFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("new file") << false << QMessageBox::NoButton << true;
    QTest::newRow("existing file, overwrite") << true << QMessageBox::Yes << true;
    QTest::newRow("existing file, keep") << true << QMessageBox::No << false;
}

void TestTExporterForm::choosingTheFile()
{
    QFETCH(bool, exists);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, accepted);

    const QString file = path(QStringLiteral("out.csv"));
    if (exists) {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write("old");
    }
    MessageSeam::answerWith({answer});
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    FileDialogSeam::setNextFileName(file);
    form.SpeedButton3Click();
    QCOMPARE(FileDialogSeam::asked().size(), 1);
    QVERIFY(FileDialogSeam::asked().front().startsWith(QStringLiteral("save: ")));
    if (exists) {
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Confirmation);
        QCOMPARE(MessageSeam::asked().front().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(MessageSeam::asked().front().text,
                 QDir::toNativeSeparators(file) + QStringLiteral(" already exists.  Overwrite?"));
    } else {
        QVERIFY(MessageSeam::asked().isEmpty());
    }
    QCOMPARE(form.targetFile(), accepted ? file : QString());
    QCOMPARE(form.Edit1->text(), accepted ? QDir::toNativeSeparators(file) : QString());
    QCOMPARE(form.Button3->isEnabled(), accepted);
    if (exists)
        QCOMPARE(read(QStringLiteral("out.csv")), QByteArray("old"));

    // Cancelling the dialog, or declining, keeps the earlier choice.
    FileDialogSeam::setNextFileName(QString());
    form.SpeedButton3Click();
    QCOMPARE(form.targetFile(), accepted ? file : QString());
}

void TestTExporterForm::exportWritesTheChosenFields()
{
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    form.ListBox1->setCurrentItem(form.ListBox1->findItems(QStringLiteral("Retail Price"), Qt::MatchExactly).front());
    form.Button1Click();
    form.ListBox1->setCurrentItem(form.ListBox1->findItems(QStringLiteral("Notes"), Qt::MatchExactly).front());
    form.Button1Click();
    form.ListBox1->setCurrentItem(form.ListBox1->findItems(QStringLiteral("Checkbox1"), Qt::MatchExactly).front());
    form.Button1Click();
    form.ListBox2->setCurrentRow(0);
    form.SpeedButton2Click(); // Name after Retail Price
    FileDialogSeam::setNextFileName(path(QStringLiteral("mugs.csv")));
    form.SpeedButton3Click();

    form.Button3Click();
    QCOMPARE(read(QStringLiteral("mugs.csv")), QByteArray("Retail Price,Name,Notes,Checkbox1\r\n"
                                                          "\"$1,234.50\",\"Smith, John\",,True\r\n"
                                                          "$0.00,\"5\"\" Mug\",\"One\r\nTwo\",False\r\n"));
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("Export complete!"));
    QCOMPARE(status->shown.last(), QStringLiteral("Exporting row 2"));
    QVERIFY(status->current.isEmpty());
    QVERIFY(form.Button3->isEnabled());
}

void TestTExporterForm::exportAgainWithoutQuestion()
{
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    FileDialogSeam::setNextFileName(path(QStringLiteral("mugs.csv")));
    form.SpeedButton3Click();
    form.Button3Click();
    const QByteArray first = read(QStringLiteral("mugs.csv"));
    QCOMPARE(first, QByteArray("Name\r\n\"Smith, John\"\r\n\"5\"\" Mug\"\r\n"));
    db->addItem(QStringLiteral("Mugs"), {{"Name", "Third"}});
    form.Button3Click();
    QCOMPARE(read(QStringLiteral("mugs.csv")), first + "Third\r\n");
    QCOMPARE(MessageSeam::asked().size(), 2);
    QCOMPARE(MessageSeam::asked().back().text, QStringLiteral("Export complete!"));
}

void TestTExporterForm::exportFailure()
{
    TExporterForm form(nullptr, QStringLiteral("Mugs"));
    FileDialogSeam::setNextFileName(path(QStringLiteral("missing/folder/mugs.csv")));
    form.SpeedButton3Click();
    QVERIFY(form.Button3->isEnabled());
    form.Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Error);
    QVERIFY2(MessageSeam::asked().front().text.startsWith(QStringLiteral("Cannot create ")),
             qPrintable(MessageSeam::asked().front().text));
    QVERIFY(status->current.isEmpty());
    QVERIFY(status->clears > 0);
}

QTEST_MAIN(TestTExporterForm)
#include "TestTExporterForm.moc"
