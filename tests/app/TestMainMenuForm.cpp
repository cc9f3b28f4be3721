#include "ShellFixture.h"
#include "app/BackgroundView.h"
#include "app/CollectionSelector.h"
#include "app/HelpContext.h"
#include "app/HelpViewer.h"
#include "app/HelpWindow.h"
#include "app/MessageBox.h"
#include "app/ProgramValues.h"
#include "app/SelectorSink.h"
#include "app/ShellOpen.h"
#include "app/StatusSink.h"
#include "app/TMainMenuForm.h"
#include "app/TUpdateForm.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

class TestMainMenuForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void looks();
    void collectionCommandsNeedACollection();
    void menusInOrder();
    void toolBarInOrder();
    void toolButtonFollowsItsCommand();
    void pendingCommandsAreDisabled();
    void statusPanels();
    void hintsGoToFirstPanel();
    void sinksFollowTheWindow();

    void firstActivation_data();
    void firstActivation();
    void activationRunsOnce();
    void readyOnceShown();
    void choosingReloadsLayout();
    void addedCollectionKeepsSelection();
    void removingChosenCollectionChoosesAgain();
    void reloadCollectionsKeepsChoice();
    void backgroundPicture_data();
    void backgroundPicture();

    void helpCommands_data();
    void helpCommands();
    void helpWindowsCloseWithMainWindow();
    void eBayOpensThroughShell();
    void anotherStartBringsWindowForward();
};

namespace {
QString Picture(const char *name)
{
    return QStringLiteral(CURIODEX_TEST_DATA "/pictures/") + QLatin1String(name);
}

SysConfigRecord Options(const QString &defaultCollection, const QString &picture = QString(), bool centered = true)
{
    SysConfigRecord options;
    options.DefaultCollection = defaultCollection;
    options.BackgroundPicture = picture;
    options.Centered = centered;
    return options;
}
} // namespace

void TestMainMenuForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageSeam::answerWith({});
}

void TestMainMenuForm::cleanup()
{
    ShellSeam::reset();
    QCOMPARE(MessageSeam::asked().size(), 0);
}

void TestMainMenuForm::looks()
{
    ShellFixture db;
    TMainMenuForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Curiodex/Vaultry Edition"));
    QCOMPARE(helpContext(&form), 1000);
    QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(form.OvcComboBox1->maxVisibleItems(), 14);
    QVERIFY(!form.OvcComboBox1->isEditable());
    QCOMPARE(form.OvcComboBox1->toolTip(), QStringLiteral("Select Collection"));
    QCOMPARE(form.OvcComboBox1->statusTip(), QStringLiteral("Select Collection to use"));
}

void TestMainMenuForm::menusInOrder()
{
    ShellFixture db;
    TMainMenuForm form;
    QStringList actual;
    for (QAction *menuAction : form.menuBar()->actions()) {
        actual.append(menuAction->text() + u' ' + menuAction->statusTip());
        for (QAction *item : menuAction->menu()->actions())
            actual.append(item->isSeparator() ? QStringLiteral("  -")
                                              : QStringLiteral("  %1 %2").arg(item->text(), item->statusTip()));
    }
    const QStringList expected{
        "&File Contains File Related Commands",
        "  &Add Item Add a new item to a collection",
        "  &Edit Collection Open an existing collection",
        "  &Browse Collection Browse through a collection",
        "  &Find Items Find items in a collection",
        "  -",
        "  E&xit Exit Curiodex/Vaultry Edition",
        "&Report Contains Collection Reports",
        "  &Basic Item Value Print a basic value list of all items in a collection",
        "  Brief Item &Value Print a brief list of the value of items in a single collection",
        "  &Detailed Item List Print a detailed list of all items in a collection",
        "  &HTML Reports... Generate HTML files of your collection",
        "  -",
        "  &Collection Value Basic Print a summary of the value of all items in all collections",
        "  Collection Value &Summary Print a summary of the value of all items in each collection",
        "  C&ollection Value Details Print the details of the value of all items in all collections",
        "  -",
        "  &Custom &Reports... Design and print custom reports",
        "&Tools Contains Configuration Related Commands",
        "  &Create Collection Create new collection types",
        "  &Delete Collection Delete unused collections",
        "  -",
        "  &Edit Field Names/Positions Change Collection field names and positions",
        "  -",
        "  Delete &List Items Delete unused items from list fields",
        "  -",
        "  &Import Collection Import data from comma separated files",
        "  E&xport Collection Export data to comma separated files",
        "  -",
        "  Environment &Options Edit program environment options",
        "  &Password Set or change password",
        "  -",
        "  e&Bay Go to eBay's homepage",
        "&Help Contains Help Related Commands",
        "  &Contents Display the Help contents",
        "  -",
        "  &Tutorial Curiodex/Vaultry Edition tutorial",
        "  &FAQ Frequently asked questions",
        "  -",
        "  &Update Info Check for new version",
        "  &About About Curiodex/Vaultry Edition",
    };
    QCOMPARE(actual, expected);
    QCOMPARE(HelpViewer::actionHelpContext(form.actAbout), 5003);
}

void TestMainMenuForm::toolBarInOrder()
{
    ShellFixture db;
    TMainMenuForm form;
    QStringList actual;
    for (QAction *a : form.ToolBar1->actions()) {
        if (a->isSeparator())
            actual.append(QStringLiteral("-"));
        else if (form.ToolBar1->widgetForAction(a) == form.OvcComboBox1)
            actual.append(QStringLiteral("selector"));
        else {
            actual.append(a->toolTip() + u'|' + a->statusTip());
            QVERIFY2(!a->icon().pixmap(16, 16).isNull(), qPrintable(a->toolTip()));
        }
    }
    const QStringList expected{
        "Exit|Exit Curiodex/Vaultry Edition",
        "-",
        "selector",
        "-",
        "Add|Add a new item to a Collection",
        "Open|Open an existing Collection",
        "Browse|Browse through a Collection",
        "Find|Find items in a Collection",
        "-",
        "Custom Reports|Design and print custom reports",
        "-",
        "Create Collection|Create a new Collection",
        "Edit Collection|Edit an existing Collections setup",
        "Password|Set or change password",
        "-",
        "Help|Display the Help contents",
    };
    QCOMPARE(actual, expected);
    QCOMPARE(form.ToolBar1->iconSize(), QSize(16, 16));
}

void TestMainMenuForm::collectionCommandsNeedACollection()
{
    ShellFixture db; // no collections: the selector is empty
    TMainMenuForm form;
    for (QAction *command : {form.actAddItem, form.actOpenCollection, form.actBrowseCollection, form.actFindItem,
                             form.actEditFieldNamesPositions, form.actDeleteListItems, form.actImportCollection,
                             form.actExportCollection}) {
        MessageSeam::answerWith({});
        command->trigger(); // tells the user instead of opening a window
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked().first().text,
                 QStringLiteral("Please choose a collection in the selector first."));
    }
    MessageSeam::answerWith({});
}

void TestMainMenuForm::toolButtonFollowsItsCommand()
{
    ShellFixture db;
    TMainMenuForm form;
    auto *tbAdd = form.findChild<QAction *>(QStringLiteral("tbAdd"));
    QVERIFY(tbAdd);
    QVERIFY(tbAdd->isEnabled());
    form.actAddItem->setEnabled(false);
    QVERIFY(!tbAdd->isEnabled());
    form.actAddItem->setEnabled(true);
    QVERIFY(tbAdd->isEnabled());
    QSignalSpy triggered(form.actAddItem, &QAction::triggered);
    MessageSeam::answerWith({}); // no collection chosen: the command only tells the user
    tbAdd->trigger();
    QCOMPARE(triggered.count(), 1);
    MessageSeam::answerWith({});
}

void TestMainMenuForm::pendingCommandsAreDisabled()
{
    ShellFixture db;
    TMainMenuForm form;
    const QList<QAction *> pending{form.actBasicItemValue,         form.actBriefItemList,
                                   form.actDetailedItemList,       form.actHTMLReports,
                                   form.actCollectionValueBasic,   form.actCollectionValueSummary,
                                   form.actCollectionValueDetails, form.actReportBuilder};
    const QList<QAction *> ready{form.actExit,
                                 form.actEnvironmentOptions,
                                 form.actPassword,
                                 form.actEBay,
                                 form.actContents,
                                 form.actTutorial,
                                 form.actFAQ,
                                 form.actUpdateInfo,
                                 form.actAbout,
                                 form.actAddItem,
                                 form.actOpenCollection,
                                 form.actCreateEditCollection,
                                 form.actDeleteCollection,
                                 form.actEditFieldNamesPositions,
                                 form.actDeleteListItems,
                                 form.actBrowseCollection,
                                 form.actFindItem,
                                 form.actImportCollection,
                                 form.actExportCollection};
    for (QAction *a : pending)
        QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    for (QAction *a : ready)
        QVERIFY2(a->isEnabled(), qPrintable(a->text()));
}

void TestMainMenuForm::statusPanels()
{
    ShellFixture db;
    TMainMenuForm form;
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Curiodex"));
    QCOMPARE(form.StatusPanel2->text(), QStringLiteral("F1=Help"));
    QCOMPARE(form.StatusPanel3->text(), QString());
    ShowStatus(QStringLiteral("Importing record 3"));
    QCOMPARE(form.StatusPanel3->text(), QStringLiteral("Importing record 3"));
    ClearStatus();
    QCOMPARE(form.StatusPanel3->text(), QString());
}

void TestMainMenuForm::hintsGoToFirstPanel()
{
    ShellFixture db;
    TMainMenuForm form;
    form.show();
    auto *tbFind = form.findChild<QAction *>(QStringLiteral("tbFind"));
    QWidget *button = form.ToolBar1->widgetForAction(tbFind);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(button, &enter);
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Find items in a Collection"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QCOMPARE(form.StatusPanel1->text(), QString());

    // Hints of other windows show there too.
    TUpdateForm update(&form);
    QCoreApplication::sendEvent(&update, &enter);
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Get update information"));
}

void TestMainMenuForm::sinksFollowTheWindow()
{
    ShellFixture db;
    {
        TMainMenuForm form;
        QCOMPARE(statusSink(), static_cast<StatusSink *>(&form));
        QCOMPARE(selectorSink(), static_cast<SelectorSink *>(&form));
        QCOMPARE(MainMenuForm, &form);
    }
    QCOMPARE(statusSink(), nullptr);
    QCOMPARE(selectorSink(), nullptr);
    QCOMPARE(MainMenuForm, nullptr);
}

void TestMainMenuForm::firstActivation_data()
{
    QTest::addColumn<QStringList>("collections");
    QTest::addColumn<QString>("defaultCollection");
    QTest::addColumn<QString>("selected");
    const QStringList three{"Stamps", "coins", "Dolls"};
    QTest::newRow("empty option takes the alphabetically first") << three << ""
                                                                 << "coins";
    QTest::newRow("option names a collection") << three << "Stamps"
                                               << "Stamps";
    QTest::newRow("option names no collection") << three << "Toys"
                                                << "";
    QTest::newRow("no collections at all") << QStringList() << ""
                                           << "";
}

void TestMainMenuForm::firstActivation()
{
    QFETCH(QStringList, collections);
    QFETCH(QString, defaultCollection);
    QFETCH(QString, selected);
    ShellFixture db(collections);
    db.saveOptions(Options(defaultCollection));
    SysConfigRec = SysConfigRecord();
    ProductTitle.clear();
    TMainMenuForm form;
    form.FormActivate();

    QCOMPARE(SysConfigRec.DefaultCollection, defaultCollection);
    QStringList sorted = collections;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(form.OvcComboBox1->collections(), sorted);
    QCOMPARE(form.selectedCollection(), selected);
    QCOMPARE(FieldLayout[0].Label, selected.isEmpty() ? QString() : ShellFixture::labelOf(selected));
    QCOMPARE(ProductTitle, QStringLiteral("Curiodex/Vaultry Edition"));
    QVERIFY(form.Image1->isBlank());
    QVERIFY(!db.dm().CollTypesTable->isOpen());
}

void TestMainMenuForm::activationRunsOnce()
{
    ShellFixture db({"Coins", "Stamps"});
    TMainMenuForm form;
    form.FormActivate();
    QCOMPARE(form.selectedCollection(), QStringLiteral("Coins"));
    db.addLabelledCollection(QStringLiteral("Autographs"));
    db.saveOptions(Options(QStringLiteral("Stamps")));
    form.FormActivate();
    QCOMPARE(form.OvcComboBox1->count(), 2);
    QCOMPARE(form.selectedCollection(), QStringLiteral("Coins"));
}

void TestMainMenuForm::readyOnceShown()
{
    // Even where no window manager makes it active.
    ShellFixture db({"Coins", "Stamps"});
    TMainMenuForm form;
    form.show();
    QCoreApplication::processEvents();
    QCOMPARE(form.selectedCollection(), QStringLiteral("Coins"));
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Coins name"));
}

void TestMainMenuForm::choosingReloadsLayout()
{
    ShellFixture db({"Coins", "Stamps"});
    TMainMenuForm form;
    form.FormActivate();
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Coins name"));
    QTest::keyClick(form.OvcComboBox1, Qt::Key_S);
    QCOMPARE(form.selectedCollection(), QStringLiteral("Stamps"));
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Stamps name"));
}

void TestMainMenuForm::addedCollectionKeepsSelection()
{
    ShellFixture db({"Coins", "Stamps"});
    TMainMenuForm form;
    form.FormActivate();
    form.selectCollection(QStringLiteral("Stamps"));
    AddCollectionToSelector(QStringLiteral("Dolls"));
    QCOMPARE(form.OvcComboBox1->collections(), QStringList({"Coins", "Dolls", "Stamps"}));
    QCOMPARE(form.selectedCollection(), QStringLiteral("Stamps"));
}

void TestMainMenuForm::removingChosenCollectionChoosesAgain()
{
    ShellFixture db({"Coins", "Dolls", "Stamps"});
    TMainMenuForm form;
    form.FormActivate();
    QTest::keyClick(form.OvcComboBox1, Qt::Key_S);
    RemoveCollectionFromSelector(QStringLiteral("Stamps"));
    QCOMPARE(form.OvcComboBox1->collections(), QStringList({"Coins", "Dolls"}));
    QCOMPARE(form.selectedCollection(), QStringLiteral("Coins"));
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Coins name"));

    RemoveCollectionFromSelector(QStringLiteral("Dolls"));
    QCOMPARE(form.selectedCollection(), QStringLiteral("Coins"));
}

void TestMainMenuForm::reloadCollectionsKeepsChoice()
{
    ShellFixture db({"Coins", "Stamps"});
    TMainMenuForm form;
    form.FormActivate();
    form.selectCollection(QStringLiteral("Stamps"));
    db.addLabelledCollection(QStringLiteral("Autographs"));
    form.reloadCollections();
    QCOMPARE(form.OvcComboBox1->collections(), QStringList({"Autographs", "Coins", "Stamps"}));
    QCOMPARE(form.selectedCollection(), QStringLiteral("Stamps"));
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Stamps name"));
}

void TestMainMenuForm::backgroundPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("centered");
    QTest::addColumn<bool>("blank");
    QTest::newRow("none") << QString() << true << true;
    QTest::newRow("missing file, centred") << Picture("no-such-picture.jpg") << true << true;
    QTest::newRow("missing file, scaled") << Picture("no-such-picture.jpg") << false << true;
    QTest::newRow("damaged file") << Picture("garbage.png") << false << true;
    QTest::newRow("picture, centred") << Picture("tall-green.png") << true << false;
    QTest::newRow("picture, scaled") << Picture("wide-red.jpg") << false << false;
}

void TestMainMenuForm::backgroundPicture()
{
    QFETCH(QString, file);
    QFETCH(bool, centered);
    QFETCH(bool, blank);
    ShellFixture db;
    db.saveOptions(Options(QString(), file, centered));
    TMainMenuForm form;
    form.FormActivate();
    QCOMPARE(form.Image1->isBlank(), blank);
    if (!blank)
        QCOMPARE(form.Image1->isCentered(), centered);
}

void TestMainMenuForm::helpCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("context");
    QTest::newRow("contents") << "Contents1" << 0;
    QTest::newRow("tutorial") << "Tutorial1" << 5001;
    QTest::newRow("questions") << "FAQ1" << 5002;
}

void TestMainMenuForm::helpCommands()
{
    QFETCH(QString, command);
    QFETCH(int, context);
    ShellFixture db;
    TMainMenuForm form;
    auto *action = form.findChild<QAction *>(command);
    QVERIFY(action);
    action->trigger();
    HelpWindow *help = HelpViewer::currentWindow();
    QVERIFY(help);
    QCOMPARE(help->currentContext(), context);
    QCOMPARE(help->parentWidget(), &form);
}

void TestMainMenuForm::helpWindowsCloseWithMainWindow()
{
    ShellFixture db;
    auto form = std::make_unique<TMainMenuForm>();
    form->show();
    form->Tutorial1Click();
    QPointer<HelpWindow> help = HelpViewer::currentWindow();
    QVERIFY(help && help->isVisible());
    form->close();
    QVERIFY(!help);
    form->FAQ1Click();
    help = HelpViewer::currentWindow();
    QVERIFY(help);
    form.reset();
    QVERIFY(!help);
}

void TestMainMenuForm::eBayOpensThroughShell()
{
    ShellFixture db;
    TMainMenuForm form;
    ShellSeam::record();
    form.actEBay->trigger();
    QCOMPARE(ShellSeam::opened(), QList<QUrl>{EbayHomePage()});
}

void TestMainMenuForm::anotherStartBringsWindowForward()
{
    ShellFixture db;
    TMainMenuForm form;
    form.showMinimized();
    QSignalSpy shown(&form, &TMainMenuForm::shownForAnotherStart);
    form.showForAnotherStart();
    QVERIFY(form.isVisible());
    QVERIFY(form.isMaximized());
    QVERIFY(!form.isMinimized());
    QCOMPARE(shown.count(), 1);
}

QTEST_MAIN(TestMainMenuForm)
#include "TestMainMenuForm.moc"
