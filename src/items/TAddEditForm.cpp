#include "items/TAddEditForm.h"

#include "app/BusyCursor.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/Hints.h"
#include "app/MessageBox.h"
#include "app/PictureHelpers.h"
#include "app/ShellOpen.h"
#include "app/StatusSink.h"
#include "app/WindowPlacement.h"
#include "collections/ListValues.h"
#include "items/FindTextDialog.h"
#include "items/ItemFields.h"
#include "items/NotesEditor.h"
#include "items/PicturePanel.h"
#include "store/FieldLayout.h"
#include "store/StoreError.h"
#include "store/SysConfig.h"
#include "store/TDataModule1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>
#include <QUrl>
#include <utility>

namespace {

constexpr int Margin = 6;
constexpr int NotebookWidth = 534;
constexpr int NotebookHeight = 436;
constexpr int RightLeft = 546;
constexpr int RightWidth = 217;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonTop = TAddEditForm::ClientHeight - ButtonHeight - Margin;

// The wait cursor while the item table is written; restored on every path.

void letPendingMessagesRun()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QPushButton *commandButton(const QString &caption, QWidget *parent, int left, int top, int width = ButtonWidth)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setGeometry(left, top, width, ButtonHeight);
    return button;
}

} // namespace

TAddEditForm::TAddEditForm(QWidget *parent, const QString &collectionName, ItemFormMode mode, const QString &searchText)
    : QDialog(parent)
    , m_editor(*DataModule1, collectionName, mode)
    , m_search(*DataModule1->CollectionsTable)
    , m_searchText(searchText)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);

    createPages();
    createPictureGroup();
    createButtons();
    FindDialog1 = new FindTextDialog(this);
    connect(FindDialog1, &FindTextDialog::findNext, this, &TAddEditForm::FindDialog1Find);

    setHelpContext(this, 2002);
    m_fields->setListValues(ListValues::load(*DataModule1, collectionName));
    setUpForMode();
    connect(qApp, &QApplication::focusChanged, this, &TAddEditForm::focusMoved);
}

TAddEditForm::~TAddEditForm()
{
    disconnect(qApp, nullptr, this, nullptr);
}

void TAddEditForm::createPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(Margin, Margin, NotebookWidth, NotebookHeight);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Description"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Custom Fields"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Notes (Expanded)"));
    m_fields = std::make_unique<ItemFields>(TabSheet1, TabSheet2);

    RichEdit2 = new NotesEditor(NotesEditor::Page, TabSheet3);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    auto *fill = new QGridLayout(TabSheet3);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(RichEdit2);
}

void TAddEditForm::createPictureGroup()
{
    GroupBox1 = new QGroupBox(QStringLiteral(" Pictures "), this);
    GroupBox1->setGeometry(RightLeft, 2, RightWidth, 282);
    Panel1 = new PicturePanel(GroupBox1);
    Panel1->move((RightWidth - PicturePanel::PanelSize) / 2, 18);
    for (int slot = 1; slot <= PictureSlots::Count; ++slot) {
        auto *radio = new QRadioButton(QString::number(slot), GroupBox1);
        radio->setGeometry(8 + (slot - 1) * 34, 224, 34, 18);
        connect(radio, &QRadioButton::clicked, this, [this, slot] { PictureButtonsClick(slot); });
        PictureButtons[slot - 1] = radio;
    }
    PictureButtons[0]->setChecked(true);
    Button5 = commandButton(QStringLiteral("Load"), GroupBox1, 8, 248, 63);
    Button6 = commandButton(QStringLiteral("View"), GroupBox1, 77, 248, 63);
    Button7 = commandButton(QStringLiteral("Clear"), GroupBox1, 146, 248, 63);
    connect(Button5, &QPushButton::clicked, this, &TAddEditForm::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TAddEditForm::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TAddEditForm::Button7Click);

    RichEdit1 = new NotesEditor(NotesEditor::Box, this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(RightLeft, 292, RightWidth, 129);
}

void TAddEditForm::createButtons()
{
    Button3 = commandButton(QStringLiteral("Delete"), this, Margin, ButtonTop);
    Button4 = commandButton(QStringLiteral("Print"), this, Margin + 81, ButtonTop);
    DBNavigator1 = new RecordNavigator(this);
    DBNavigator1->move(Margin + 168, ButtonTop);
    Button8 = commandButton(QStringLiteral("Clear"), this, 464, ButtonTop);
    CheckBox1 = new QCheckBox(QStringLiteral("Auto."), this);
    CheckBox1->setGeometry(RightLeft, ButtonTop + 4, 56, 17);
    Button1 = commandButton(QStringLiteral("Save"), this, 606, ButtonTop);
    Button2 = commandButton(QStringLiteral("Close"), this, ClientWidth - Margin - ButtonWidth, ButtonTop);
    Button3->hide();
    Button4->hide();
    DBNavigator1->hide();
    connect(Button1, &QPushButton::clicked, this, &TAddEditForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAddEditForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TAddEditForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TAddEditForm::Button4Click);
    connect(Button8, &QPushButton::clicked, this, &TAddEditForm::Button8Click);
    connect(DBNavigator1, &RecordNavigator::clicked, this, &TAddEditForm::DBNavigator1Click);
}

void TAddEditForm::setUpForMode()
{
    switch (mode()) {
    case ItemFormMode::Add:
        CheckBox1->setChecked(SysConfigRec.AutoClear);
        ClearFields();
        break;
    case ItemFormMode::Edit:
    case ItemFormMode::NotesSearch:
        Button3->show();
        DBNavigator1->show();
        Button8->hide();
        CheckBox1->hide();
        m_editor.start();
        ShowItem();
        break;
    case ItemFormMode::EditOne:
        Button3->show();
        Button8->hide();
        CheckBox1->hide();
        ShowItem();
        break;
    }
    setWindowTitle(m_editor.caption());
    setStatusTip(LongHint(hint()));
    setHelpContext(this, m_editor.helpContext());
}

void TAddEditForm::showEvent(QShowEvent *event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        CenterOnScreen(this);
        m_fields->applyTabOrder(FieldLayout);
    }
    QDialog::showEvent(event);
}

void TAddEditForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TAddEditForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    move(x(), y() + 25);
    ApplyLayout();
    letPendingMessagesRun();
    if (mode() == ItemFormMode::NotesSearch) {
        m_search.restart();
        FindDialog1->setFindText(m_searchText);
        placeFindDialog();
        FindDialog1->show();
    }
}

// Beside the form where the screen has room: right, below, left or above; else over its corner.
void TAddEditForm::placeFindDialog()
{
    FindDialog1->adjustSize();
    const QSize size = FindDialog1->frameGeometry().size();
    const QRect form = frameGeometry();
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect();
    const QList<QPoint> places = {{form.right() + 1, form.top()},
                                  {form.right() - size.width() + 1, form.bottom() + 1},
                                  {form.left() - size.width(), form.top()},
                                  {form.right() - size.width() + 1, form.top() - size.height()}};
    for (const QPoint &place : places) {
        if (screen.contains(QRect(place, size))) {
            FindDialog1->move(place);
            return;
        }
    }
    FindDialog1->move(form.right() - size.width(), form.top() + 40);
}

void TAddEditForm::ApplyLayout()
{
    m_fields->applyLayout(FieldLayout);
}

ItemRecord TAddEditForm::readForm() const
{
    ItemRecord record;
    m_fields->readInto(record);
    m_pictures.storeInto(record);
    record.setNotes(RichEdit1->notes());
    return record;
}

void TAddEditForm::ShowItem()
{
    m_stored = m_editor.currentItem();
    m_fields->show(m_stored);
    RichEdit1->setNotes(m_stored.notes());
    RichEdit2->setNotes(m_stored.notes());
    m_pictures.showItem(m_stored);
    PictureButtonsClick(1);
    m_shown = readForm();
    updateNavigator();
}

void TAddEditForm::ClearFields()
{
    m_stored = ItemRecord();
    m_fields->clear();
    RichEdit1->setNotes(QString());
    RichEdit2->setNotes(QString());
    m_pictures.showItem(m_stored);
    PictureButtonsClick(1);
    m_shown = readForm();
}

void TAddEditForm::updateNavigator()
{
    DBNavigator1->setPosition(m_editor.atStart(), m_editor.atEnd());
}

void TAddEditForm::focusName()
{
    PageControl1->setCurrentIndex(0);
    letPendingMessagesRun();
    m_fields->control(0)->setFocus();
}

void TAddEditForm::Button1Click()
{
    if (focusWidget() == RichEdit2)
        RichEdit2Exit();
    const ItemRecord edited = readForm();
    const QString missing = ItemEditor::missingRequiredField(edited, FieldLayout);
    if (!missing.isEmpty()) {
        ShowMessage(MessageKind::Information, missing, QMessageBox::Ok);
        focusName();
        return;
    }
    const ItemRecord record = ItemRecord::keepUnchanged(m_stored, m_shown, edited);
    {
        BusyCursor wait;
        m_editor.save(record);
    }
    m_stored = record;
    m_shown = edited;
    updateNavigator();
    if (mode() == ItemFormMode::Add && CheckBox1->isChecked()) {
        ClearFields();
        focusName();
    }
}

void TAddEditForm::Button2Click()
{
    reject();
}

void TAddEditForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FindDialog1->close();
        m_editor.finish();
        ClearStatus();
    }
    QDialog::done(result);
}

void TAddEditForm::Button3Click()
{
    const QString name = m_editor.currentName();
    if (ShowMessage(MessageKind::Confirmation, QStringLiteral("Are you sure you want to delete ") + name + u'?',
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        m_editor.removeCurrent();
        ShowStatus(QStringLiteral("Deleted ") + name + QStringLiteral(" from ") + collectionName());
        ShowItem();
        setWindowTitle(m_editor.caption());
    } catch (const StoreError &) {
        ShowMessage(MessageKind::Error, QStringLiteral("Could not delete ") + name, QMessageBox::Abort);
    }
}

void TAddEditForm::Button4Click()
{
    // Previewing the item's detailed report is connected when that report exists.
}

void TAddEditForm::Button5Click()
{
    const QString directory =
        SysConfigRec.PicturesDirectory.isEmpty() ? defaultPicturesDirectory() : SysConfigRec.PicturesDirectory;
    const QString path = ChooseOpenPicture(this, QStringLiteral("Open"), directory, PictureSlots::openFilter());
    if (path.isEmpty())
        return;
    PictureResult picture;
    {
        BusyCursor wait;
        picture = LoadPictureBitmap(path);
    }
    if (!picture.ok()) {
        ShowMessage(MessageKind::Error, picture.error, QMessageBox::Ok);
        return;
    }
    Panel1->showPicture(picture.image);
    m_pictures.setCurrentPath(path);
}

void TAddEditForm::Button6Click()
{
    const QString path = m_pictures.currentPath();
    if (path.isEmpty())
        return;
    QString reason;
    if (!OpenWithShell(QUrl::fromLocalFile(path), &reason))
        ShowMessage(MessageKind::Information,
                    QStringLiteral("Cannot view image ") + path + QStringLiteral("\n\n") + reason, QMessageBox::Ok);
}

void TAddEditForm::Button7Click()
{
    Panel1->clearPicture();
    m_pictures.clearCurrent();
}

void TAddEditForm::Button8Click()
{
    ClearFields();
}

void TAddEditForm::DBNavigator1Click(RecordNavigator::Button button)
{
    switch (button) {
    case RecordNavigator::First:
        m_editor.first();
        break;
    case RecordNavigator::Prior:
        m_editor.prior();
        break;
    case RecordNavigator::Next:
        m_editor.next();
        break;
    case RecordNavigator::Last:
        m_editor.last();
        break;
    }
    ShowItem();
}

void TAddEditForm::PictureButtonsClick(int slot)
{
    m_pictures.choose(slot);
    PictureButtons[m_pictures.current() - 1]->setChecked(true);
    showPictureOfSlot();
}

void TAddEditForm::showPictureOfSlot()
{
    const QString path = m_pictures.currentPath();
    if (path.isEmpty()) {
        Panel1->clearPicture();
        return;
    }
    const PictureResult picture = LoadPictureBitmap(path);
    if (picture.ok())
        Panel1->showPicture(picture.image);
    else
        Panel1->clearPicture(picture.error);
}

void TAddEditForm::DropDownListExit(int dataFieldNumber)
{
    const QString text = m_fields->comboBox(dataFieldNumber)->currentText();
    if (text.isEmpty() || ListValues::contains(m_fields->listValues(dataFieldNumber), text))
        return;
    if (ShowMessage(MessageKind::Information, text + QStringLiteral(" is not in this list.  Add it?"),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    ListValues::LearnListValue(*DataModule1, collectionName(), dataFieldNumber, text);
    ShowStatus(QStringLiteral("Added ") + text);
    m_fields->addListValue(dataFieldNumber, text);
}

void TAddEditForm::RichEdit1Exit()
{
    if (!RichEdit1->isChanged())
        return;
    RichEdit2->setNotes(RichEdit1->notes());
    RichEdit1->markUnchanged();
}

void TAddEditForm::RichEdit2Exit()
{
    if (!RichEdit2->isChanged())
        return;
    RichEdit1->setNotes(RichEdit2->notes());
    RichEdit2->markUnchanged();
}

void TAddEditForm::FindDialog1Find()
{
    const NotesSearch::Hit hit = m_search.findNext(FindDialog1->findText(), FindDialog1->options());
    ShowItem();
    if (!hit.found) {
        ShowMessage(MessageKind::Information, QStringLiteral("End Of Data Reached"), QMessageBox::Ok);
        return;
    }
    PageControl1->setCurrentIndex(0);
    letPendingMessagesRun();
    RichEdit1->setFocus();
    QTextCursor selection = RichEdit1->textCursor();
    selection.setPosition(hit.position);
    selection.setPosition(hit.position + hit.length, QTextCursor::KeepAnchor);
    RichEdit1->setTextCursor(selection);
}

void TAddEditForm::focusMoved(QWidget *old, QWidget *now)
{
    // Only a move to another control of this form leaves a control; a message box or another
    // window taking the focus does not.
    if (!old || !now || !isAncestorOf(old) || !isAncestorOf(now))
        return;
    if (old == RichEdit1)
        RichEdit1Exit();
    if (old == RichEdit2)
        RichEdit2Exit();
    const int field = m_fields->listFieldOf(old);
    if (field < 0 || m_fields->listFieldOf(now) == field)
        return;
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        // A click moved the focus: ask once the button is up, so the click still completes.
        m_pendingListExit = field;
        qApp->installEventFilter(this);
        return;
    }
    DropDownListExit(field);
}

bool TAddEditForm::eventFilter(QObject *watched, QEvent *event)
{
    if (m_pendingListExit >= 0 && event->type() == QEvent::MouseButtonRelease) {
        qApp->removeEventFilter(this);
        DropDownListExit(std::exchange(m_pendingListExit, -1));
    }
    return QDialog::eventFilter(watched, event);
}
