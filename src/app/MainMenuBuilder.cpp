#include "app/MainMenuBuilder.h"

#include "app/CollectionSelector.h"
#include "app/HelpViewer.h"
#include "app/Hints.h"
#include "app/TMainMenuForm.h"

#include <QMenuBar>
#include <QToolBar>

namespace {

using Member = QAction *TMainMenuForm::*;
using Handler = void (TMainMenuForm::*)();

QIcon Icon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

class Builder
{
public:
    explicit Builder(TMainMenuForm &form)
        : m_form(form)
    {
    }

    QMenu *menu(const QString &title, const QString &hint)
    {
        QMenu *menu = m_form.menuBar()->addMenu(title);
        menu->menuAction()->setStatusTip(LongHint(hint));
        return menu;
    }

    QAction *command(QMenu *menu, Member member, const QString &caption, const QString &hint, Handler handler,
                     const char *icon = nullptr, const QString &objectName = QString())
    {
        auto *action = new QAction(caption, &m_form);
        action->setObjectName(objectName);
        action->setStatusTip(LongHint(hint));
        if (icon)
            action->setIcon(Icon(icon));
        QObject::connect(action, &QAction::triggered, &m_form, handler);
        menu->addAction(action);
        m_form.*member = action;
        return action;
    }

    // A tool button for a menu command: its own hint and icon, the command's handler and the
    // command's enabled state.
    void toolButton(Member member, const QString &hint, const char *icon, const QString &objectName)
    {
        QAction *command = m_form.*member;
        auto *action = new QAction(Icon(icon), ShortHint(hint), &m_form);
        action->setObjectName(objectName);
        action->setToolTip(ShortHint(hint));
        action->setStatusTip(LongHint(hint));
        action->setEnabled(command->isEnabled());
        QObject::connect(action, &QAction::triggered, command, &QAction::trigger);
        QObject::connect(command, &QAction::enabledChanged, action, &QAction::setEnabled);
        m_form.ToolBar1->addAction(action);
    }

private:
    TMainMenuForm &m_form;
};

void BuildMenus(Builder &b)
{
    using F = TMainMenuForm;
    QMenu *file = b.menu(QStringLiteral("&File"), QStringLiteral("|Contains File Related Commands"));
    b.command(file, &F::actAddItem, QStringLiteral("&Add Item"), QStringLiteral("|Add a new item to a collection"),
              &F::AddItem1Click, "add", QStringLiteral("AddItem1"));
    b.command(file, &F::actOpenCollection, QStringLiteral("&Edit Collection"),
              QStringLiteral("|Open an existing collection"), &F::OpenCollection1Click, "open",
              QStringLiteral("OpenCollection1"));
    b.command(file, &F::actBrowseCollection, QStringLiteral("&Browse Collection"),
              QStringLiteral("|Browse through a collection"), &F::BrowseCollection1Click, "browse",
              QStringLiteral("BrowseCollection1"));
    b.command(file, &F::actFindItem, QStringLiteral("&Find Items"), QStringLiteral("|Find items in a collection"),
              &F::FindItem1Click, "find", QStringLiteral("FindItem1"));
    file->addSeparator();
    b.command(file, &F::actExit, QStringLiteral("E&xit"), QStringLiteral("|Exit Curiodex/Vaultry Edition"),
              &F::Exit1Click, "exit", QStringLiteral("Exit1"));

    QMenu *report = b.menu(QStringLiteral("&Report"), QStringLiteral("|Contains Collection Reports"));
    b.command(report, &F::actBasicItemValue, QStringLiteral("&Basic Item Value"),
              QStringLiteral("|Print a basic value list of all items in a collection"), &F::BasicItemValue1Click,
              nullptr, QStringLiteral("BasicItemValue1"));
    b.command(report, &F::actBriefItemList, QStringLiteral("Brief Item &Value"),
              QStringLiteral("|Print a brief list of the value of items in a single collection"),
              &F::BriefItemList1Click, nullptr, QStringLiteral("BriefItemList1"));
    b.command(report, &F::actDetailedItemList, QStringLiteral("&Detailed Item List"),
              QStringLiteral("|Print a detailed list of all items in a collection"), &F::DetailedItemList1Click,
              nullptr, QStringLiteral("DetailedItemList1"));
    b.command(report, &F::actHTMLReports, QStringLiteral("&HTML Reports..."),
              QStringLiteral("|Generate HTML files of your collection"), &F::HTMLReports1Click, nullptr,
              QStringLiteral("HTMLReports1"));
    report->addSeparator();
    b.command(report, &F::actCollectionValueBasic, QStringLiteral("&Collection Value Basic"),
              QStringLiteral("|Print a summary of the value of all items in all collections"),
              &F::CollectionValueBasic1Click, nullptr, QStringLiteral("CollectionValueBasic1"));
    b.command(report, &F::actCollectionValueSummary, QStringLiteral("Collection Value &Summary"),
              QStringLiteral("|Print a summary of the value of all items in each collection"),
              &F::CollectionValueSummary1Click, nullptr, QStringLiteral("CollectionValueSummary1"));
    b.command(report, &F::actCollectionValueDetails, QStringLiteral("C&ollection Value Details"),
              QStringLiteral("|Print the details of the value of all items in all collections"),
              &F::CollectionValueDetails1Click, nullptr, QStringLiteral("CollectionValueDetails1"));
    report->addSeparator();
    b.command(report, &F::actReportBuilder, QStringLiteral("&Custom &Reports..."),
              QStringLiteral("|Design and print custom reports"), &F::ReportBuilder1Click, "reports",
              QStringLiteral("ReportBuilder1"));

    QMenu *tools = b.menu(QStringLiteral("&Tools"), QStringLiteral("|Contains Configuration Related Commands"));
    b.command(tools, &F::actCreateEditCollection, QStringLiteral("&Create Collection"),
              QStringLiteral("|Create new collection types"), &F::CreateEditCollection1Click, "newcollection",
              QStringLiteral("CreateEditCollection1"));
    b.command(tools, &F::actDeleteCollection, QStringLiteral("&Delete Collection"),
              QStringLiteral("|Delete unused collections"), &F::DeleteCollection1Click, nullptr,
              QStringLiteral("DeleteCollection1"));
    tools->addSeparator();
    b.command(tools, &F::actEditFieldNamesPositions, QStringLiteral("&Edit Field Names/Positions"),
              QStringLiteral("|Change Collection field names and positions"), &F::EditFieldNamesPositions1Click,
              "editcollection", QStringLiteral("EditFieldNamesPositions1"));
    tools->addSeparator();
    b.command(tools, &F::actDeleteListItems, QStringLiteral("Delete &List Items"),
              QStringLiteral("|Delete unused items from list fields"), &F::DeleteListItems1Click, nullptr,
              QStringLiteral("DeleteListItems1"));
    tools->addSeparator();
    b.command(tools, &F::actImportCollection, QStringLiteral("&Import Collection"),
              QStringLiteral("|Import data from comma separated files"), &F::ImportCollection1Click, "import",
              QStringLiteral("ImportCollection1"));
    b.command(tools, &F::actExportCollection, QStringLiteral("E&xport Collection"),
              QStringLiteral("|Export data to comma separated files"), &F::ExportCollection1Click, "export",
              QStringLiteral("ExportCollection1"));
    tools->addSeparator();
    b.command(tools, &F::actEnvironmentOptions, QStringLiteral("Environment &Options"),
              QStringLiteral("|Edit program environment options"), &F::EnvironmentOptions1Click, nullptr,
              QStringLiteral("EnvironmentOptions1"));
    b.command(tools, &F::actPassword, QStringLiteral("&Password"), QStringLiteral("|Set or change password"),
              &F::Password1Click, "password", QStringLiteral("Password1"));
    tools->addSeparator();
    b.command(tools, &F::actEBay, QStringLiteral("e&Bay"), QStringLiteral("|Go to eBay's homepage"), &F::eBay1Click,
              nullptr, QStringLiteral("eBay1"));

    QMenu *help = b.menu(QStringLiteral("&Help"), QStringLiteral("|Contains Help Related Commands"));
    b.command(help, &F::actContents, QStringLiteral("&Contents"), QStringLiteral("|Display the Help contents"),
              &F::Contents1Click, "help", QStringLiteral("Contents1"));
    help->addSeparator();
    b.command(help, &F::actTutorial, QStringLiteral("&Tutorial"), QStringLiteral("|Curiodex/Vaultry Edition tutorial"),
              &F::Tutorial1Click, nullptr, QStringLiteral("Tutorial1"));
    b.command(help, &F::actFAQ, QStringLiteral("&FAQ"), QStringLiteral("|Frequently asked questions"), &F::FAQ1Click,
              nullptr, QStringLiteral("FAQ1"));
    help->addSeparator();
    b.command(help, &F::actUpdateInfo, QStringLiteral("&Update Info"), QStringLiteral("|Check for new version"),
              &F::UpdateInfo1Click, nullptr, QStringLiteral("UpdateInfo1"));
    QAction *about =
        b.command(help, &F::actAbout, QStringLiteral("&About"), QStringLiteral("|About Curiodex/Vaultry Edition"),
                  &F::About1Click, nullptr, QStringLiteral("About1"));
    HelpViewer::setActionHelpContext(about, 5003);
}

void BuildToolBar(TMainMenuForm &form, Builder &b)
{
    using F = TMainMenuForm;
    form.ToolBar1 = form.addToolBar(QStringLiteral("Tool Bar"));
    form.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    form.ToolBar1->setMovable(false);
    form.ToolBar1->setFloatable(false);
    form.ToolBar1->setIconSize(QSize(16, 16));
    form.ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    form.ToolBar1->toggleViewAction()->setEnabled(false);

    b.toolButton(&F::actExit, QStringLiteral("Exit|Exit Curiodex/Vaultry Edition"), "exit", QStringLiteral("tbExit"));
    form.ToolBar1->addSeparator();
    form.ToolBar1->addWidget(form.OvcComboBox1);
    form.ToolBar1->addSeparator();
    b.toolButton(&F::actAddItem, QStringLiteral("Add|Add a new item to a Collection"), "add", QStringLiteral("tbAdd"));
    b.toolButton(&F::actOpenCollection, QStringLiteral("Open|Open an existing Collection"), "open",
                 QStringLiteral("tbOpen"));
    b.toolButton(&F::actBrowseCollection, QStringLiteral("Browse|Browse through a Collection"), "browse",
                 QStringLiteral("tbBrowse"));
    b.toolButton(&F::actFindItem, QStringLiteral("Find|Find items in a Collection"), "find", QStringLiteral("tbFind"));
    form.ToolBar1->addSeparator();
    b.toolButton(&F::actReportBuilder, QStringLiteral("Custom Reports|Design and print custom reports"), "reports",
                 QStringLiteral("tbCustomReports"));
    form.ToolBar1->addSeparator();
    b.toolButton(&F::actCreateEditCollection, QStringLiteral("Create Collection|Create a new Collection"),
                 "newcollection", QStringLiteral("tbCreateCollection"));
    b.toolButton(&F::actEditFieldNamesPositions, QStringLiteral("Edit Collection|Edit an existing Collections setup"),
                 "editcollection", QStringLiteral("tbEditCollection"));
    b.toolButton(&F::actPassword, QStringLiteral("Password|Set or change password"), "password",
                 QStringLiteral("tbPassword"));
    form.ToolBar1->addSeparator();
    b.toolButton(&F::actContents, QStringLiteral("Help|Display the Help contents"), "help", QStringLiteral("tbHelp"));
}

// Commands whose windows are not part of the program yet. Connecting one means filling in its
// handler in TMainMenuForm and taking it off this list.
void DisablePendingCommands(TMainMenuForm &form)
{
    for (QAction *pending : {
             form.actBasicItemValue,
             form.actBriefItemList,
             form.actDetailedItemList,
             form.actHTMLReports,
             form.actCollectionValueBasic,
             form.actCollectionValueSummary,
             form.actCollectionValueDetails,
             form.actReportBuilder,
         })
        pending->setEnabled(false);
}

} // namespace

void MainMenuBuilder::build(TMainMenuForm &form)
{
    Builder builder(form);
    BuildMenus(builder);
    DisablePendingCommands(form);
    BuildToolBar(form, builder);
}
