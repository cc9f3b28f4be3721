#include "RecordingStatusSink.h"
#include "app/StatusSink.h"

#include <QLocale>
#include <QTest>

class TestStatusSink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void forwardsToInstalledSink();
    void nothingInstalled();
    void recorderRestoresPreviousSink();
    void pendingEventsRunBeforeReturning();
};

void TestStatusSink::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(statusSink(), nullptr);
}

void TestStatusSink::forwardsToInstalledSink()
{
    RecordingStatusSink sink;
    QCOMPARE(statusSink(), &sink);

    ShowStatus(QStringLiteral("Importing record 1"));
    ShowStatus(QStringLiteral("Importing record 2"));
    QCOMPARE(sink.current, QStringLiteral("Importing record 2"));
    ClearStatus();
    QCOMPARE(sink.shown, QStringList({QStringLiteral("Importing record 1"), QStringLiteral("Importing record 2")}));
    QCOMPARE(sink.clears, 1);
    QVERIFY(sink.current.isEmpty());
}

void TestStatusSink::nothingInstalled()
{
    {
        RecordingStatusSink sink;
        setStatusSink(nullptr);
        ShowStatus(QStringLiteral("lost"));
        ClearStatus();
        QVERIFY(sink.shown.isEmpty());
        QCOMPARE(sink.clears, 0);
    }
    QCOMPARE(statusSink(), nullptr);
}

void TestStatusSink::recorderRestoresPreviousSink()
{
    RecordingStatusSink outer;
    {
        RecordingStatusSink inner;
        ShowStatus(QStringLiteral("inner"));
        QCOMPARE(inner.shown, QStringList{QStringLiteral("inner")});
    }
    QCOMPARE(statusSink(), &outer);
    ShowStatus(QStringLiteral("outer"));
    QCOMPARE(outer.shown, QStringList{QStringLiteral("outer")});
}

// A long operation calls ShowStatus between steps; the text must reach the screen before
// the next step, so queued work (a repaint, here a queued call) runs inside the call.
void TestStatusSink::pendingEventsRunBeforeReturning()
{
    RecordingStatusSink sink;
    int ran = 0;
    QMetaObject::invokeMethod(
        this, [&ran] { ++ran; }, Qt::QueuedConnection);
    ShowStatus(QStringLiteral("Working"));
    QCOMPARE(ran, 1);

    QMetaObject::invokeMethod(
        this, [&ran] { ++ran; }, Qt::QueuedConnection);
    ClearStatus();
    QCOMPARE(ran, 2);
}

QTEST_GUILESS_MAIN(TestStatusSink)
#include "TestStatusSink.moc"
