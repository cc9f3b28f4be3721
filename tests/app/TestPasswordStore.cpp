#include "IsolatedHome.h"
#include "app/Password.h"
#include "app/PasswordStore.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>
#include <memory>
#include <unistd.h>

class TestPasswordStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void nothingStoredCreatesNothing();
    void writeCreatesPrivateFile();
    void protectedByValue_data();
    void protectedByValue();
    void settingsWithoutTheValueReadAsEmptyPassword();
    void unwritableFolderGivesError();

private:
    std::unique_ptr<IsolatedHome> m_home;
};

void TestPasswordStore::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_home = std::make_unique<IsolatedHome>();
    QVERIFY(PasswordStore::fileName().startsWith(m_home->dir.path()));
}

void TestPasswordStore::init()
{
    QFile::remove(PasswordStore::fileName());
    QFile::setPermissions(QFileInfo(PasswordStore::fileName()).absolutePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestPasswordStore::nothingStoredCreatesNothing()
{
    QVERIFY(!PasswordStore::exists());
    QCOMPARE(PasswordStore::value(), QString());
    QVERIFY(!PasswordStore::isProtected());
    // Reading must not create the settings.
    QVERIFY(!QFileInfo::exists(PasswordStore::fileName()));
}

void TestPasswordStore::writeCreatesPrivateFile()
{
    QString error;
    QVERIFY2(PasswordStore::write(ScramblePassword(QStringLiteral("SECRET")), &error), qPrintable(error));
    QVERIFY(PasswordStore::exists());
    QCOMPARE(PasswordStore::value(), ScramblePassword(QStringLiteral("SECRET")));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(QFile::permissions(PasswordStore::fileName()) & others, QFileDevice::Permissions());
    QVERIFY(QFile::permissions(PasswordStore::fileName()).testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // Writing again keeps the file private.
    QVERIFY(PasswordStore::write(NoPasswordMarker(), &error));
    QCOMPARE(PasswordStore::value(), NoPasswordMarker());
    QCOMPARE(QFile::permissions(PasswordStore::fileName()) & others, QFileDevice::Permissions());
}

void TestPasswordStore::protectedByValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("isProtected");
    QTest::newRow("marker") << NoPasswordMarker() << false;
    QTest::newRow("scrambled password") << ScramblePassword(QStringLiteral("ABC")) << true;
    QTest::newRow("empty text counts as a password") << QString() << true;
    QTest::newRow("text like the marker") << "316570825" << true;
}

void TestPasswordStore::protectedByValue()
{
    QFETCH(QString, value);
    QFETCH(bool, isProtected);
    QString error;
    QVERIFY(PasswordStore::write(value, &error));
    QCOMPARE(PasswordStore::isProtected(), isProtected);
}

void TestPasswordStore::settingsWithoutTheValueReadAsEmptyPassword()
{
    QFile file(PasswordStore::fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(PasswordStore::exists());
    QCOMPARE(PasswordStore::value(), QString());
    QVERIFY(PasswordStore::isProtected());
}

void TestPasswordStore::unwritableFolderGivesError()
{
    if (geteuid() == 0)
        QSKIP("The super-user can write into any folder.");
    const QString folder = QFileInfo(PasswordStore::fileName()).absolutePath();
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString error;
    QVERIFY(!PasswordStore::write(QStringLiteral("X"), &error));
    QVERIFY(error.contains(QStringLiteral("could not be saved")));
    QVERIFY(!PasswordStore::exists());
}

QTEST_GUILESS_MAIN(TestPasswordStore)
#include "TestPasswordStore.moc"
