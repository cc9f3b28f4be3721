#include "RecordingStatusSink.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/ProgramValues.h"
#include "app/ShellOpen.h"
#include "app/TUpdateForm.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestUpdateForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void showsVersionAndInstructions();
    void getInfo_data();
    void getInfo();
    void closingClearsStatus();
};

void TestUpdateForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestUpdateForm::cleanup()
{
    ShellSeam::reset();
    MessageSeam::reset();
}

void TestUpdateForm::showsVersionAndInstructions()
{
    TUpdateForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Update Information"));
    QCOMPARE(helpContext(&form), 5005);
    QCOMPARE(form.statusTip(), QStringLiteral("Get update information"));
    QCOMPARE(form.Label1->text(), QStringLiteral("Current Version 2.1.0.0"));
    QVERIFY(form.Label1->font().bold());
    QCOMPARE(form.Button1->text(), QStringLiteral("Get Info"));
    QCOMPARE(form.Button2->text(), QStringLiteral("Close"));

    const QStringList lines = form.Memo1->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines.first(),
             QStringLiteral("To check for a new version of Curiodex just click the 'Get Info' button.  This will"));
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(lines.at(11), SupportAddress());
    QCOMPARE(lines.last(), UpdatePageAddress().toString() + u'.');
    QVERIFY(form.Memo1->isReadOnly());
}

void TestUpdateForm::getInfo_data()
{
    QTest::addColumn<bool>("shellOpens");
    QTest::newRow("browser starts") << true;
    QTest::newRow("nothing can open it") << false;
}

void TestUpdateForm::getInfo()
{
    QFETCH(bool, shellOpens);
    RecordingStatusSink status;
    MessageSeam::answerWith({});
    ShellSeam::record(shellOpens);
    TUpdateForm form;
    form.Button1->click();
    QCOMPARE(status.shown, QStringList{"Starting Browser"});
    QCOMPARE(ShellSeam::opened(), QList<QUrl>{UpdatePageAddress()});
    QCOMPARE(MessageSeam::asked().size(), shellOpens ? 0 : 1);
}

void TestUpdateForm::closingClearsStatus()
{
    RecordingStatusSink status;
    TUpdateForm form;
    form.show();
    form.Button2->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(status.clears, 1);
}

QTEST_MAIN(TestUpdateForm)
#include "TestUpdateForm.moc"
