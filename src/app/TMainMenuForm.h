#pragma once

#include "app/ReportWindows.h"
#include "app/SelectorSink.h"
#include "app/StatusSink.h"

#include <QMainWindow>

class BackgroundView;
class CollectionSelector;
class QAction;
class QLabel;
class QToolBar;

// The program's one top-level window: menus, tool bar, collection selector, background picture
// and the three-panel status bar. Every command works on the collection chosen in the selector.
// It is the program's status sink and selector sink while it exists.
class TMainMenuForm : public QMainWindow, public StatusSink, public SelectorSink
{
    Q_OBJECT

public:
    explicit TMainMenuForm(QWidget *parent = nullptr);
    ~TMainMenuForm() override;

    // The collection chosen in the selector; empty when none is.
    QString selectedCollection() const;
    // The print-preview report forms, one per report (their commands come with the reports).
    ReportWindows &reportWindows() { return m_reports; }
    // Selects the entry equal to the name, or none when no entry is equal. Loads nothing.
    void selectCollection(const QString &name);
    // Reads the selector's entries again from the collection table. The chosen collection stays
    // chosen while it exists (else the start-up rule chooses) and its field layout is loaded.
    void reloadCollections();
    // Loads FieldLayout for the chosen collection.
    void reloadFieldLayout();
    // Shows the background picture of the options, or a blank background.
    void showBackgroundPicture();

    void showStatus(const QString &text) override;
    void clearStatus() override;
    void addCollection(const QString &name) override;
    void removeCollection(const QString &name) override;

    CollectionSelector *OvcComboBox1;
    BackgroundView *Image1;
    QToolBar *ToolBar1;
    QLabel *StatusPanel1; // hints
    QLabel *StatusPanel2; // "F1=Help"
    QLabel *StatusPanel3; // status texts

    // The commands, in menu order. A tool button triggers its menu command and follows its
    // enabled state.
    QAction *actAddItem = nullptr;
    QAction *actOpenCollection = nullptr;
    QAction *actBrowseCollection = nullptr;
    QAction *actFindItem = nullptr;
    QAction *actExit = nullptr;
    QAction *actBasicItemValue = nullptr;
    QAction *actBriefItemList = nullptr;
    QAction *actDetailedItemList = nullptr;
    QAction *actHTMLReports = nullptr;
    QAction *actCollectionValueBasic = nullptr;
    QAction *actCollectionValueSummary = nullptr;
    QAction *actCollectionValueDetails = nullptr;
    QAction *actReportBuilder = nullptr;
    QAction *actCreateEditCollection = nullptr;
    QAction *actDeleteCollection = nullptr;
    QAction *actEditFieldNamesPositions = nullptr;
    QAction *actDeleteListItems = nullptr;
    QAction *actImportCollection = nullptr;
    QAction *actExportCollection = nullptr;
    QAction *actEnvironmentOptions = nullptr;
    QAction *actPassword = nullptr;
    QAction *actEBay = nullptr;
    QAction *actContents = nullptr;
    QAction *actTutorial = nullptr;
    QAction *actFAQ = nullptr;
    QAction *actUpdateInfo = nullptr;
    QAction *actAbout = nullptr;

public Q_SLOTS:
    void AddItem1Click();
    void OpenCollection1Click();
    void BrowseCollection1Click();
    void FindItem1Click();
    void Exit1Click();
    void BasicItemValue1Click();
    void BriefItemList1Click();
    void DetailedItemList1Click();
    void HTMLReports1Click();
    void CollectionValueBasic1Click();
    void CollectionValueSummary1Click();
    void CollectionValueDetails1Click();
    void ReportBuilder1Click();
    void CreateEditCollection1Click();
    void DeleteCollection1Click();
    void EditFieldNamesPositions1Click();
    void DeleteListItems1Click();
    void ImportCollection1Click();
    void ExportCollection1Click();
    void EnvironmentOptions1Click();
    void Password1Click();
    void eBay1Click();
    void Contents1Click();
    void Tutorial1Click();
    void FAQ1Click();
    void UpdateInfo1Click();
    void About1Click();

    void FormCreate();
    // Runs once, the first time the window becomes active (or is shown, whichever comes first).
    void FormActivate();
    void FormDestroy();
    void OvcComboBox1SelectionChange();
    void ShowHint(const QString &hint);
    // Another start of the program asked this copy to come forward.
    void showForAnotherStart();

Q_SIGNALS:
    void shownForAnotherStart();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStatusBar();
    // False, after telling the user, when no collection is chosen.
    bool requireCollection();
    bool m_activated = false;
    ReportWindows m_reports;
};

// The main window while it exists.
extern TMainMenuForm *MainMenuForm;

// Selects the default collection of the options in the main window's selector (none when no
// entry is equal to it) and loads FieldLayout for it.
void SelectDefaultCollection();
// Shows the background picture of the options in the main window.
void ShowBackgroundPicture();
