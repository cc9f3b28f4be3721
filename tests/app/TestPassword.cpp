#include "app/Password.h"

#include <QLocale>
#include <QTest>

class TestPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void scramble_data();
    void scramble();
    void scrambleTwiceGivesTheText_data();
    void scrambleTwiceGivesTheText();
    void upperCase_data();
    void upperCase();
    void matches_data();
    void matches();
};

void TestPassword::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(PasswordKey().size(), 15);
}

void TestPassword::scramble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("first letter takes the last key letter") << "A"
                                                            << "9";
    QTest::newRow("key walked backwards") << "ABC"
                                          << "9+4";
    QTest::newRow("character equal to its key letter stays") << "x"
                                                             << "x";
    QTest::newRow("equal letters inside a word") << "OPEN SESAME"
                                                 << "792>A!1<-  ";
    QTest::newRow("word") << "SECRET"
                          << "+,4\"$&";
    QTest::newRow("sixteenth character takes the last key letter again") << "AAAAAAAAAAAAAAAA"
                                                                         << "9(61 35.-,$);079";
    QTest::newRow("beyond ASCII") << QStringLiteral("\u00c91") << QStringLiteral("\u00b1X");
}

void TestPassword::scramble()
{
    QFETCH(QString, text);
    QFETCH(QString, scrambled);
    QCOMPARE(ScramblePassword(text), scrambled);
    QCOMPARE(ScramblePassword(text).size(), text.size());
}

void TestPassword::scrambleTwiceGivesTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "CURIODEX";
    QTest::newRow("key itself") << "vqzhemlotrapwix";
    QTest::newRow("long") << QString(255, u'Z');
    QTest::newRow("punctuation") << "!@#$%^&*()_+{}|";
}

void TestPassword::scrambleTwiceGivesTheText()
{
    QFETCH(QString, text);
    QCOMPARE(ScramblePassword(ScramblePassword(text)), text);
}

void TestPassword::upperCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::newRow("letters") << "Secret"
                             << "SECRET";
    QTest::newRow("digits and signs stay") << "a1-b2_c3!"
                                           << "A1-B2_C3!";
    QTest::newRow("only a to z change") << QStringLiteral("\u00e9t\u00e9") << QStringLiteral("\u00e9T\u00e9");
    QTest::newRow("empty") << QString() << QString();
}

void TestPassword::upperCase()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QCOMPARE(UpperCasePassword(text), upper);
}

void TestPassword::matches_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("match");
    const QString secret = ScramblePassword(QStringLiteral("SECRET"));
    QTest::newRow("same") << secret << "SECRET" << true;
    QTest::newRow("lower case") << secret << "secret" << true;
    QTest::newRow("mixed case") << secret << "SeCrEt" << true;
    QTest::newRow("other") << secret << "secrets" << false;
    QTest::newRow("empty typed") << secret << "" << false;
    QTest::newRow("stored as typed, not scrambled") << "SECRET"
                                                    << "SECRET" << false;
    QTest::newRow("empty stored matches empty typed") << ""
                                                      << "" << true;
}

void TestPassword::matches()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, match);
    QCOMPARE(PasswordMatches(typed, stored), match);
}

QTEST_GUILESS_MAIN(TestPassword)
#include "TestPassword.moc"
