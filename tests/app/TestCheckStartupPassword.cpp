#include "IsolatedHome.h"
#include "app/CheckStartupPassword.h"
#include "app/Password.h"
#include "app/PasswordStore.h"

#include <QFile>
#include <QLocale>
#include <QTest>
#include <memory>

class TestCheckStartupPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void passesWithoutAsking_data();
    void passesWithoutAsking();
    void tries_data();
    void tries();
    void settingsWithoutValue_data();
    void settingsWithoutValue();

private:
    // A prompt that gives the answers in turn and counts how often it was asked.
    PasswordPrompt answering(const QStringList &answers)
    {
        m_answers = answers;
        m_asked = 0;
        return [this] {
            ++m_asked;
            return m_answers.isEmpty() ? QStringLiteral("(not expected)") : m_answers.takeFirst();
        };
    }

    std::unique_ptr<IsolatedHome> m_home;
    QStringList m_answers;
    int m_asked = 0;
};

void TestCheckStartupPassword::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_home = std::make_unique<IsolatedHome>();
}

void TestCheckStartupPassword::init()
{
    QFile::remove(PasswordStore::fileName());
}

void TestCheckStartupPassword::passesWithoutAsking_data()
{
    QTest::addColumn<bool>("writeMarker");
    QTest::newRow("no settings") << false;
    QTest::newRow("marker stored") << true;
}

void TestCheckStartupPassword::passesWithoutAsking()
{
    QFETCH(bool, writeMarker);
    QString error;
    if (writeMarker)
        QVERIFY(PasswordStore::write(NoPasswordMarker(), &error));
    QVERIFY(CheckStartupPassword(answering({})));
    QCOMPARE(m_asked, 0);
}

void TestCheckStartupPassword::tries_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<int>("asked");
    QTest::newRow("right at once") << QStringList{"Secret"} << true << 1;
    QTest::newRow("other case") << QStringList{"sEcReT"} << true << 1;
    QTest::newRow("right at the third try") << QStringList{"one", "two", "secret"} << true << 3;
    QTest::newRow("three wrong end it") << QStringList{"one", "two", "three", "secret"} << false << 3;
    QTest::newRow("empty entry ends it at once") << QStringList{"", "secret"} << false << 1;
    QTest::newRow("empty after a wrong one") << QStringList{"one", "", "secret"} << false << 2;
}

void TestCheckStartupPassword::tries()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, passes);
    QFETCH(int, asked);
    QString error;
    QVERIFY(PasswordStore::write(ScramblePassword(UpperCasePassword(QStringLiteral("Secret"))), &error));
    QCOMPARE(CheckStartupPassword(answering(answers)), passes);
    QCOMPARE(m_asked, asked);
}

void TestCheckStartupPassword::settingsWithoutValue_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("passes");
    QTest::newRow("only an empty entry matches") << QStringList{"x", ""} << true;
    QTest::newRow("typed text does not") << QStringList{"a", "b", "c"} << false;
}

void TestCheckStartupPassword::settingsWithoutValue()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, passes);
    QFile file(PasswordStore::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(CheckStartupPassword(answering(answers)), passes);
}

QTEST_GUILESS_MAIN(TestCheckStartupPassword)
#include "TestCheckStartupPassword.moc"
