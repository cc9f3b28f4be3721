#include "IsolatedHome.h"
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <memory>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void laterStartHandsOver();
    void lockGoesWithTheInstance();
    void nobodyToTalkTo();
    void twoProgramsHandOver();

private:
    std::unique_ptr<IsolatedHome> m_home;
};

namespace {
constexpr int Patience = 30000; // milliseconds; the machine may be busy

// The program started with its own home and data folders and the given runtime folder.
class Program
{
public:
    Program(const QString &runtimeFolder, const QString &name)
    {
        QVERIFY(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("CURIODEX_TEST_HOOKS"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.setObjectName(name);
    }

    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(Patience);
        }
    }

    void start() { process.start(QStringLiteral(CURIODEX_BINARY), QStringList()); }

    // Waits until the program has written the line; false when it ended or time ran out first.
    bool waitForLine(const QByteArray &line)
    {
        const QDeadlineTimer deadline(Patience);
        while (!lines().contains(line)) {
            if (process.state() == QProcess::NotRunning || deadline.hasExpired())
                return false;
            process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
            output += process.readAllStandardOutput();
        }
        return true;
    }

    QList<QByteArray> lines()
    {
        output += process.readAllStandardOutput();
        return output.split('\n');
    }

    bool dataFolderExists() const { return QDir(home.filePath(QStringLiteral("data"))).exists(); }

    QTemporaryDir home;
    QProcess process;
    QByteArray output;
};
} // namespace

void TestSingleInstance::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_home = std::make_unique<IsolatedHome>();
}

void TestSingleInstance::laterStartHandsOver()
{
    SingleInstance first(QStringLiteral("TestHandOver"));
    QVERIFY(first.start());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    SingleInstance second(QStringLiteral("TestHandOver"));
    QVERIFY(!second.start());
    QVERIFY(activated.wait(Patience));
    QCOMPARE(activated.count(), 1);
}

void TestSingleInstance::lockGoesWithTheInstance()
{
    {
        SingleInstance first(QStringLiteral("TestRelease"));
        QVERIFY(first.start());
        QVERIFY(QFile::exists(SingleInstance::lockPath(QStringLiteral("TestRelease"))));
    }
    QVERIFY(!QFile::exists(SingleInstance::lockPath(QStringLiteral("TestRelease"))));
    SingleInstance again(QStringLiteral("TestRelease"));
    QVERIFY(again.start());
}

void TestSingleInstance::nobodyToTalkTo()
{
    QVERIFY(!SingleInstance::sendMessage(QStringLiteral("TestNobody"), SingleInstance::ShowRequest, 200));
}

void TestSingleInstance::twoProgramsHandOver()
{
    const QString runtime = m_home->path("runtime");
    Program first(runtime, QStringLiteral("first"));
    first.start();
    QVERIFY2(first.waitForLine("ready"), first.process.readAllStandardError().constData());

    Program second(runtime, QStringLiteral("second"));
    second.start();
    QVERIFY(second.process.waitForFinished(Patience));
    QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process.exitCode(), 0);
    // The second copy ended before it made a window or touched the database.
    QCOMPARE(second.lines(), QList<QByteArray>({"handed over", ""}));
    QVERIFY(!second.dataFolderExists());

    QVERIFY(first.waitForLine("shown maximized"));
    QVERIFY(first.dataFolderExists());

    QVERIFY(SingleInstance::sendMessage(QStringLiteral("CuriodexVaultry"), SingleInstance::QuitRequest));
    QVERIFY(first.process.waitForFinished(Patience));
    QCOMPARE(first.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
