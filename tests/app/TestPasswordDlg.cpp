#include "app/ProgramValues.h"
#include "app/TPasswordDlg.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

class TestPasswordDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void looks();
    void okOnEmptyStaysOpen();
    void okCloses();
    void cancelKeepsTheText();
};

void TestPasswordDlg::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestPasswordDlg::looks()
{
    TPasswordDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Curiodex/Vaultry Edition"));
    QCOMPARE(dialog.Password->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.Password->maxLength(), 32767); // the start-up prompt does not limit the length
}

void TestPasswordDlg::okOnEmptyStaysOpen()
{
    TPasswordDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.OKBtnClick();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.Password);
}

void TestPasswordDlg::okCloses()
{
    TPasswordDlg dialog;
    dialog.show();
    QTest::keyClicks(dialog.Password, QStringLiteral("secret"));
    QTest::keyClick(dialog.Password, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Password->text(), QStringLiteral("secret"));
}

void TestPasswordDlg::cancelKeepsTheText()
{
    TPasswordDlg dialog;
    dialog.show();
    dialog.Password->setText(QStringLiteral("typed"));
    dialog.CancelBtnClick();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // PromptPassword gives the box's text whichever button closed the prompt.
    QCOMPARE(dialog.Password->text(), QStringLiteral("typed"));
}

QTEST_MAIN(TestPasswordDlg)
#include "TestPasswordDlg.moc"
