#include "app/CuriodexApplication.h"
#include "app/MessageBox.h"
#include "store/StoreError.h"

#include <QLocale>
#include <QTest>
#include <stdexcept>

namespace {
// Throws from its event handler, as a window's handler might.
class Thrower : public QObject
{
public:
    enum class Kind { None, Store, Standard, Other };
    Kind kind = Kind::None;
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        switch (kind) {
        case Kind::Store:
            throw StoreError(QStringLiteral("The database is locked."));
        case Kind::Standard:
            throw std::runtime_error("Out of paper");
        case Kind::Other:
            throw 42;
        case Kind::None:
            break;
        }
        ++handled;
        return true;
    }
};
} // namespace

Q_DECLARE_METATYPE(Thrower::Kind)

class TestCuriodexApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void failureIsShownAndProgramGoesOn_data();
    void failureIsShownAndProgramGoesOn();
    void busyCursorIsPutBack();
};

void TestCuriodexApplication::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCuriodexApplication::cleanup()
{
    MessageSeam::reset();
}

void TestCuriodexApplication::failureIsShownAndProgramGoesOn_data()
{
    QTest::addColumn<Thrower::Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("store error") << Thrower::Kind::Store << "The database is locked.";
    QTest::newRow("standard exception") << Thrower::Kind::Standard << "Out of paper";
    QTest::newRow("anything else") << Thrower::Kind::Other << "An unexpected error occurred.";
}

void TestCuriodexApplication::failureIsShownAndProgramGoesOn()
{
    QFETCH(Thrower::Kind, kind);
    QFETCH(QString, text);
    MessageSeam::answerWith({});
    Thrower thrower;
    thrower.kind = kind;
    QEvent event(QEvent::User);
    QCOMPARE(QCoreApplication::sendEvent(&thrower, &event), false);
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
    QCOMPARE(MessageSeam::asked().first().text, text);

    // Posted events fail the same way inside the event loop, and the next one is handled.
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&thrower, QEvent::User);
    QCOMPARE(MessageSeam::asked().size(), 2);
    thrower.kind = Thrower::Kind::None;
    QCOMPARE(QCoreApplication::sendEvent(&thrower, &event), true);
    QCOMPARE(thrower.handled, 1);
}

void TestCuriodexApplication::busyCursorIsPutBack()
{
    MessageSeam::answerWith({});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Thrower thrower;
    thrower.kind = Thrower::Kind::Store;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    QVERIFY(!QApplication::overrideCursor());
}

int main(int argc, char *argv[])
{
    CuriodexApplication app(argc, argv);
    TestCuriodexApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCuriodexApplication.moc"
