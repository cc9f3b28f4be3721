#include "app/HelpContext.h"
#include "app/HelpTopics.h"
#include "app/HelpViewer.h"
#include "app/HelpWindow.h"
#include "app/MessageBox.h"
#include "app/ShellOpen.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

class TestHelpViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void everyContextHasATopic();
    void contentsLeadsToEveryTopic();
    void unknownContextShowsContents();
    void f1OpensTopicOfWindow_data();
    void f1OpensTopicOfWindow();
    void oneWindowIsReused();
    void links();
    void uninstallClosesHelpWindows();

private:
    QWidget *m_main = nullptr;
};

void TestHelpViewer::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestHelpViewer::init()
{
    m_main = new QWidget;
    setHelpContext(m_main, 1000);
    HelpViewer::install(m_main);
    MessageSeam::answerWith({});
}

void TestHelpViewer::cleanup()
{
    HelpViewer::uninstall();
    delete m_main;
    ShellSeam::reset();
    MessageSeam::reset();
}

void TestHelpViewer::everyContextHasATopic()
{
    const QList<int> contexts{1000, 2001, 2002, 3001, 3002, 4001, 5001, 5002, 5003,
                              5004, 5005, 5006, 5007, 5008, 5009, 6001, 6002, 6003};
    QCOMPARE(HelpTopics::contexts(), contexts);
    QStringList titles;
    for (int context : contexts) {
        HelpWindow *window = HelpViewer::showContext(context);
        QCOMPARE(window->currentContext(), context);
        QVERIFY2(!window->topicTitle().isEmpty(), qPrintable(QString::number(context)));
        QVERIFY(window->Browser->toPlainText().size() > 100);
        QVERIFY(window->windowTitle().endsWith(window->topicTitle()));
        titles.append(window->topicTitle());
    }
    titles.removeDuplicates();
    QCOMPARE(titles.size(), contexts.size());
}

void TestHelpViewer::contentsLeadsToEveryTopic()
{
    QFile contents(QStringLiteral(":/help/contents.html"));
    QVERIFY(contents.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(contents.readAll());
    // The menu item "About" has its own topic, reached from the about box's page.
    for (int context : HelpTopics::contexts())
        if (context != 5003)
            QVERIFY2(html.contains(QStringLiteral("href=\"%1.html\"").arg(context)),
                     qPrintable(QString::number(context)));
}

void TestHelpViewer::unknownContextShowsContents()
{
    HelpWindow *window = HelpViewer::showContext(4242);
    QCOMPARE(window->currentSource(), HelpTopics::contentsUrl());
    QCOMPARE(window->currentContext(), 0);
    QCOMPARE(window->topicTitle(), QStringLiteral("Curiodex Help"));
}

void TestHelpViewer::f1OpensTopicOfWindow_data()
{
    QTest::addColumn<int>("windowContext");
    QTest::addColumn<int>("editContext");
    QTest::addColumn<int>("shown");
    QTest::newRow("create-collection dialog") << 5006 << 0 << 5006;
    QTest::newRow("a control with its own context") << 6001 << 6002 << 6002;
    QTest::newRow("dialog without one takes its owner's") << 0 << 0 << 1000;
}

void TestHelpViewer::f1OpensTopicOfWindow()
{
    QFETCH(int, windowContext);
    QFETCH(int, editContext);
    QFETCH(int, shown);
    QDialog dialog(m_main);
    auto *edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    if (windowContext)
        setHelpContext(&dialog, windowContext);
    if (editContext)
        setHelpContext(edit, editContext);
    dialog.show();
    QTest::keyClick(edit, Qt::Key_F1);
    HelpWindow *window = HelpViewer::currentWindow();
    QVERIFY(window);
    QCOMPARE(window->currentContext(), shown);
}

void TestHelpViewer::oneWindowIsReused()
{
    HelpWindow *first = HelpViewer::showContext(5001);
    HelpWindow *second = HelpViewer::showContents();
    QCOMPARE(first, second);
    QCOMPARE(first->parentWidget(), m_main);
    QVERIFY(first->isWindow());
}

void TestHelpViewer::links()
{
    HelpWindow *window = HelpViewer::showContents();
    Q_EMIT window->Browser->anchorClicked(QUrl(QStringLiteral("5006.html")));
    QCOMPARE(window->currentContext(), 5006);
    QVERIFY(window->BackButton->isEnabled());
    window->BackButton->click();
    QCOMPARE(window->currentContext(), 0);

    ShellSeam::record();
    Q_EMIT window->Browser->anchorClicked(QUrl(QStringLiteral("https://www.vendrolith.example/")));
    QCOMPARE(ShellSeam::opened(), QList<QUrl>{QUrl(QStringLiteral("https://www.vendrolith.example/"))});
    QCOMPARE(window->currentContext(), 0);
}

void TestHelpViewer::uninstallClosesHelpWindows()
{
    HelpViewer::uninstall();
    HelpViewer::install(nullptr);
    QPointer<HelpWindow> window = HelpViewer::showContext(5002);
    QVERIFY(window);
    QVERIFY(!window->parentWidget());
    HelpViewer::uninstall();
    QVERIFY(!window);
}

QTEST_MAIN(TestHelpViewer)
#include "TestHelpViewer.moc"
