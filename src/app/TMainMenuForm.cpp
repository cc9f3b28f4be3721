#include "app/TMainMenuForm.h"

#include "app/BackgroundPicture.h"
#include "app/BackgroundView.h"
#include "app/CollectionSelection.h"
#include "app/CollectionSelector.h"
#include "app/HelpContext.h"
#include "app/HelpTopics.h"
#include "app/HelpViewer.h"
#include "app/MainMenuBuilder.h"
#include "app/MessageBox.h"
#include "app/ProgramValues.h"
#include "app/ShellOpen.h"
#include "app/TAboutForm.h"
#include "app/TOptionsForm.h"
#include "app/TPasswordForm.h"
#include "app/TUpdateForm.h"
#include "collections/TCreateCollectionForm.h"
#include "collections/TDeleteCollectionForm.h"
#include "collections/TFieldConfigForm.h"
#include "collections/TListMaintForm.h"
#include "exchange/TExporterForm.h"
#include "exchange/TImporterForm.h"
#include "items/TAddEditForm.h"
#include "items/TBrowseForm.h"
#include "items/TFindForm.h"
#include "store/SysConfig.h"
#include "store/TDataModule1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>

TMainMenuForm *MainMenuForm = nullptr;

TMainMenuForm::TMainMenuForm(QWidget *parent)
    : QMainWindow(parent)
    , OvcComboBox1(new CollectionSelector(14, this))
    , Image1(new BackgroundView(this))
    , ToolBar1(nullptr)
    , StatusPanel1(new QLabel(QStringLiteral("Curiodex"), this))
    , StatusPanel2(new QLabel(QStringLiteral("F1=Help"), this))
    , StatusPanel3(new QLabel(this))
{
    if (!MainMenuForm)
        MainMenuForm = this;
    setWindowTitle(DefaultProductTitle());
    setWindowIcon(QIcon(QStringLiteral(":/icons/curiodex.svg")));
    setHelpContext(this, HelpTopics::MainWindow);
    setCentralWidget(Image1);
    OvcComboBox1->setToolTip(QStringLiteral("Select Collection"));
    OvcComboBox1->setStatusTip(QStringLiteral("Select Collection to use"));
    connect(OvcComboBox1, &CollectionSelector::selectionChanged, this, &TMainMenuForm::OvcComboBox1SelectionChange);
    MainMenuBuilder::build(*this);
    buildStatusBar();
    // Without a window manager to maximise it, the window still fills the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    setStatusSink(this);
    setSelectorSink(this);
    // Hints of every window go to the first status panel.
    qApp->installEventFilter(this);
    FormCreate();
}

TMainMenuForm::~TMainMenuForm()
{
    FormDestroy();
    qApp->removeEventFilter(this);
    if (statusSink() == this)
        setStatusSink(nullptr);
    if (selectorSink() == this)
        setSelectorSink(nullptr);
    if (MainMenuForm == this)
        MainMenuForm = nullptr;
}

void TMainMenuForm::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    for (QLabel *panel : {StatusPanel1, StatusPanel2, StatusPanel3}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        panel->setMinimumWidth(40);
    }
    StatusPanel2->setAlignment(Qt::AlignCenter);
    StatusPanel2->setFixedWidth(StatusPanel2->sizeHint().width() + 24);
    bar->addWidget(StatusPanel1, 3);
    bar->addWidget(StatusPanel2, 0);
    bar->addWidget(StatusPanel3, 2);
}

QString TMainMenuForm::selectedCollection() const
{
    return OvcComboBox1->selectedCollection();
}

void TMainMenuForm::selectCollection(const QString &name)
{
    OvcComboBox1->selectCollection(name);
}

void TMainMenuForm::reloadCollections()
{
    if (!DataModule1)
        return;
    const QStringList names = CollectionSelection::loadNames(*DataModule1);
    const QString chosen = selectedCollection();
    OvcComboBox1->setCollections(names);
    const int kept = chosen.isEmpty() ? -1 : CollectionSelection::indexOf(names, chosen);
    OvcComboBox1->selectIndex(kept >= 0 ? kept
                                        : CollectionSelection::defaultIndex(names, SysConfigRec.DefaultCollection));
    reloadFieldLayout();
}

void TMainMenuForm::reloadFieldLayout()
{
    if (DataModule1)
        DataModule1->LoadFieldLayout(selectedCollection());
}

void TMainMenuForm::showBackgroundPicture()
{
    Image1->setPicture(BackgroundPicture::load(SysConfigRec.BackgroundPicture), SysConfigRec.Centered);
}

void TMainMenuForm::showStatus(const QString &text)
{
    StatusPanel3->setText(text);
}

void TMainMenuForm::clearStatus()
{
    StatusPanel3->clear();
}

void TMainMenuForm::addCollection(const QString &name)
{
    OvcComboBox1->addCollection(name);
}

void TMainMenuForm::removeCollection(const QString &name)
{
    if (!OvcComboBox1->removeCollection(name))
        return;
    // The chosen collection went: choose again as at start-up.
    OvcComboBox1->selectIndex(
        CollectionSelection::defaultIndex(OvcComboBox1->collections(), SysConfigRec.DefaultCollection));
    reloadFieldLayout();
}

// Commands connected with later work stay disabled until then (see MainMenuBuilder).

bool TMainMenuForm::requireCollection()
{
    // Items and field setups always belong to a collection: with none chosen there is nothing to
    // work on, and items added under an empty name could never be seen again.
    if (!selectedCollection().isEmpty())
        return true;
    ShowMessage(MessageKind::Information, QStringLiteral("Please choose a collection in the selector first."));
    return false;
}

void TMainMenuForm::AddItem1Click()
{
    if (!requireCollection())
        return;
    TAddEditForm form(this, selectedCollection(), ItemFormMode::Add);
    form.exec();
}

void TMainMenuForm::OpenCollection1Click()
{
    if (!requireCollection())
        return;
    TAddEditForm form(this, selectedCollection(), ItemFormMode::Edit);
    form.exec();
}

void TMainMenuForm::BrowseCollection1Click()
{
    if (!requireCollection())
        return;
    TBrowseForm form(this, QString(), selectedCollection());
    form.exec();
}

void TMainMenuForm::FindItem1Click()
{
    if (!requireCollection())
        return;
    TFindForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::Exit1Click()
{
    close();
}

void TMainMenuForm::BasicItemValue1Click()
{
    // Basic value list of selectedCollection(), through reportWindows().show(ReportWindows::BasicItemValue, ...).
}

void TMainMenuForm::BriefItemList1Click()
{
    // Brief value list of selectedCollection(), in print preview (one form per report, not modal).
}

void TMainMenuForm::DetailedItemList1Click()
{
    // Detailed list of every item of selectedCollection(), in print preview (one form per report, not modal).
}

void TMainMenuForm::HTMLReports1Click()
{
    // HTML report dialog for selectedCollection().
}

void TMainMenuForm::CollectionValueBasic1Click()
{
    // All-collection basic value report, in print preview (one form per report, not modal).
}

void TMainMenuForm::CollectionValueSummary1Click()
{
    // All-collection summary report, in print preview (one form per report, not modal).
}

void TMainMenuForm::CollectionValueDetails1Click()
{
    // All-collection details report, in print preview (one form per report, not modal).
}

void TMainMenuForm::ReportBuilder1Click()
{
    // Custom report designer for selectedCollection().
}

void TMainMenuForm::CreateEditCollection1Click()
{
    TCreateCollectionForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::DeleteCollection1Click()
{
    TDeleteCollectionForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::EditFieldNamesPositions1Click()
{
    if (!requireCollection())
        return;
    TFieldConfigForm form(this, selectedCollection()); // reloads FieldLayout itself when it closes
    form.exec();
}

void TMainMenuForm::DeleteListItems1Click()
{
    if (!requireCollection())
        return;
    TListMaintForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::ImportCollection1Click()
{
    if (!requireCollection())
        return;
    TImporterForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::ExportCollection1Click()
{
    if (!requireCollection())
        return;
    TExporterForm form(this, selectedCollection());
    form.exec();
}

void TMainMenuForm::EnvironmentOptions1Click()
{
    TOptionsForm form(this);
    form.exec();
}

void TMainMenuForm::Password1Click()
{
    TPasswordForm form(this);
    form.exec();
}

void TMainMenuForm::eBay1Click()
{
    QString error;
    if (!OpenWithShell(EbayHomePage(), &error))
        ShowMessage(MessageKind::Error, error);
}

void TMainMenuForm::Contents1Click()
{
    HelpViewer::showContents();
}

void TMainMenuForm::Tutorial1Click()
{
    HelpViewer::showContext(HelpTopics::Tutorial);
}

void TMainMenuForm::FAQ1Click()
{
    HelpViewer::showContext(HelpTopics::Faq);
}

void TMainMenuForm::UpdateInfo1Click()
{
    TUpdateForm form(this);
    form.exec();
}

void TMainMenuForm::About1Click()
{
    TAboutForm form(this);
    form.exec();
}

void TMainMenuForm::FormCreate()
{
    HelpFilePath = QStringLiteral(":/help");
    HelpViewer::install(this);
    BlankPicture = QImage();
}

void TMainMenuForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (!DataModule1)
        return;
    DataModule1->LoadOptions();
    const QStringList names = CollectionSelection::loadNames(*DataModule1);
    OvcComboBox1->setCollections(names);
    OvcComboBox1->selectIndex(CollectionSelection::defaultIndex(names, SysConfigRec.DefaultCollection));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ProductTitle = DefaultProductTitle();
    reloadFieldLayout();
    showBackgroundPicture();
}

void TMainMenuForm::FormDestroy()
{
    BlankPicture = QImage();
    HelpViewer::uninstall();
}

void TMainMenuForm::OvcComboBox1SelectionChange()
{
    reloadFieldLayout();
}

void TMainMenuForm::ShowHint(const QString &hint)
{
    StatusPanel1->setText(hint);
}

void TMainMenuForm::showForAnotherStart()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    show();
    raise();
    activateWindow();
    Q_EMIT shownForAnotherStart();
}

void TMainMenuForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated)
        FormActivate();
}

void TMainMenuForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Where no window manager activates the window, it still gets ready once it is on screen.
    if (!m_activated)
        QMetaObject::invokeMethod(this, &TMainMenuForm::FormActivate, Qt::QueuedConnection);
}

void TMainMenuForm::closeEvent(QCloseEvent *event)
{
    HelpViewer::closeAll();
    QMainWindow::closeEvent(event);
}

bool TMainMenuForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void SelectDefaultCollection()
{
    if (MainMenuForm)
        MainMenuForm->selectCollection(SysConfigRec.DefaultCollection);
    if (DataModule1)
        DataModule1->LoadFieldLayout(SysConfigRec.DefaultCollection);
}

void ShowBackgroundPicture()
{
    if (MainMenuForm)
        MainMenuForm->showBackgroundPicture();
}
