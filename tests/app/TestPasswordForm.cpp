#include "IsolatedHome.h"
#include "app/MessageBox.h"
#include "app/Password.h"
#include "app/PasswordStore.h"
#include "app/TPasswordForm.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

class TestPasswordForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensForState_data();
    void opensForState();
    void okPaths_data();
    void okPaths();
    void cancelWritesNothing();
    void entriesAreLimited();

private:
    std::unique_ptr<IsolatedHome> m_home;
};

void TestPasswordForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_home = std::make_unique<IsolatedHome>();
}

void TestPasswordForm::init()
{
    QFile::remove(PasswordStore::fileName());
    MessageSeam::answerWith({});
}

void TestPasswordForm::cleanup()
{
    MessageSeam::reset();
}

void TestPasswordForm::opensForState_data()
{
    QTest::addColumn<QString>("stored"); // "-" for no settings
    QTest::addColumn<bool>("inForce");
    QTest::newRow("no settings") << "-" << false;
    QTest::newRow("marker") << NoPasswordMarker() << false;
    QTest::newRow("password") << ScramblePassword(QStringLiteral("OLD")) << true;
}

void TestPasswordForm::opensForState()
{
    QFETCH(QString, stored);
    QFETCH(bool, inForce);
    QString error;
    if (stored != QLatin1String("-"))
        QVERIFY(PasswordStore::write(stored, &error));
    TPasswordForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Password"));
    QCOMPARE(form.Edit1->isEnabled(), inForce);
    QCOMPARE(form.Label1->isEnabled(), inForce);
    QCOMPARE(form.CheckBox1->isChecked(), inForce);
}

void TestPasswordForm::okPaths_data()
{
    QTest::addColumn<QString>("before"); // plain password in force, "-" for no settings
    QTest::addColumn<bool>("protect");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("verify");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after"); // plain password in force, "marker", or "-" for no settings

    const QString notVerified = QStringLiteral("You did not correctly verify your new password");
    const QString notCurrent = QStringLiteral("You must enter your current password");
    QTest::newRow("set") << "-" << true << ""
                         << "Abc"
                         << "ABC"
                         << ""
                         << "ABC";
    QTest::newRow("set, not verified") << "-" << true << ""
                                       << "Abc"
                                       << "Abd" << notVerified << "-";
    QTest::newRow("change") << "OLD" << true << "old"
                            << "New"
                            << "nEW"
                            << ""
                            << "NEW";
    QTest::newRow("change, wrong current") << "OLD" << true << "bad"
                                           << "New"
                                           << "New" << notCurrent << "OLD";
    QTest::newRow("change, not verified") << "OLD" << true << "Old"
                                          << "New"
                                          << "Now" << notVerified << "OLD";
    QTest::newRow("remove needs no current") << "OLD" << false << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "marker";
    QTest::newRow("turn off without settings") << "-" << false << ""
                                               << ""
                                               << ""
                                               << ""
                                               << "marker";
}

void TestPasswordForm::okPaths()
{
    QFETCH(QString, before);
    QFETCH(bool, protect);
    QFETCH(QString, current);
    QFETCH(QString, newPassword);
    QFETCH(QString, verify);
    QFETCH(QString, message);
    QFETCH(QString, after);

    QString error;
    if (before != QLatin1String("-"))
        QVERIFY(PasswordStore::write(ScramblePassword(before), &error));
    TPasswordForm form;
    form.show();
    form.CheckBox1->setChecked(protect);
    form.Edit1->setText(current);
    form.Edit2->setText(newPassword);
    form.Edit3->setText(verify);
    form.Button1Click();

    if (message.isEmpty()) {
        QVERIFY(MessageSeam::asked().isEmpty());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Information);
        QCOMPARE(MessageSeam::asked().first().text, message);
        QVERIFY(form.isVisible());
        QCOMPARE(form.focusWidget(), message.contains(QStringLiteral("current")) ? form.Edit1 : form.Edit2);
    }

    if (after == QLatin1String("-"))
        QVERIFY(!PasswordStore::exists());
    else if (after == QLatin1String("marker"))
        QCOMPARE(PasswordStore::value(), NoPasswordMarker());
    else
        QCOMPARE(PasswordStore::value(), ScramblePassword(after));
}

void TestPasswordForm::cancelWritesNothing()
{
    TPasswordForm form;
    form.show();
    form.CheckBox1->setChecked(true);
    form.Edit2->setText(QStringLiteral("abc"));
    form.Edit3->setText(QStringLiteral("abc"));
    form.Button2Click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(!PasswordStore::exists());
}

void TestPasswordForm::entriesAreLimited()
{
    TPasswordForm form;
    for (QLineEdit *edit : {form.Edit1, form.Edit2, form.Edit3}) {
        QCOMPARE(edit->maxLength(), 15);
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
    }
}

QTEST_MAIN(TestPasswordForm)
#include "TestPasswordForm.moc"
