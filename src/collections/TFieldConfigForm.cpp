#include "collections/TFieldConfigForm.h"

#include "app/BusyCursor.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/WindowPlacement.h"
#include "collections/FieldBox.h"
#include "collections/FieldDropCorrection.h"
#include "collections/FieldSetupSaver.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

TFieldConfigForm::TFieldConfigForm(QWidget *parent, const QString &collectionName)
    : QDialog(parent)
    , OvcNotebook1(new QTabWidget(this))
    , Page1(new QWidget)
    , Page2(new QWidget)
    , RadioButton1(new QRadioButton(QStringLiteral("Edit Names"), this))
    , RadioButton2(new QRadioButton(QStringLiteral("Arrange Fields"), this))
    , RadioButton3(new QRadioButton(QStringLiteral("Show/Hide Fields"), this))
    , CheckBox1(new QCheckBox(QStringLiteral("Snap Fields"), this))
    , Button1(new QPushButton(QStringLiteral("Save"), this))
    , Button2(new QPushButton(QStringLiteral("Close"), this))
    , m_collection(collectionName)
{
    CenterOnFirstShow(this);
    setWindowTitle(QStringLiteral("Configure ") + collectionName + QStringLiteral(" fields"));
    setStatusTip(QStringLiteral("Configure collection field names and positions"));
    setHelpContext(this, 5007);

    Page1->setObjectName(QStringLiteral("Page1"));
    Page2->setObjectName(QStringLiteral("Page2"));
    for (QWidget *page : {Page1, Page2})
        page->setFixedSize(PageWidth, PageHeight);
    OvcNotebook1->addTab(Page1, QStringLiteral("Description"));
    OvcNotebook1->addTab(Page2, QStringLiteral("Custom Fields"));
    OvcNotebook1->setFixedWidth(FieldDropCorrection::NotebookWidth);

    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        auto *box = new FieldBox(n, pageOf(n));
        box->installEventFilter(this);
        OvcEdit[size_t(n)] = box;
    }

    auto *modes = new QButtonGroup(this);
    for (QRadioButton *b : {RadioButton1, RadioButton2, RadioButton3})
        modes->addButton(b);
    RadioButton1->setChecked(true);
    CheckBox1->setChecked(true);
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    auto *controls = new QHBoxLayout;
    controls->addWidget(RadioButton1);
    controls->addWidget(RadioButton2);
    controls->addWidget(RadioButton3);
    controls->addSpacing(12);
    controls->addWidget(CheckBox1);
    controls->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(OvcNotebook1);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(modes, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (on)
            modeChanged();
    });
    connect(Button1, &QPushButton::clicked, this, &TFieldConfigForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    LayoutToControls();
    modeChanged();
}

QWidget *TFieldConfigForm::pageOf(int number) const
{
    return FieldCatalogue::page(number) == 1 ? Page1 : Page2;
}

TFieldConfigForm::Mode TFieldConfigForm::mode() const
{
    if (RadioButton2->isChecked())
        return Mode::ArrangeFields;
    if (RadioButton3->isChecked())
        return Mode::ShowHideFields;
    return Mode::EditNames;
}

FieldBoxStates TFieldConfigForm::boxStates() const
{
    FieldBoxStates states;
    for (size_t n = 0; n < states.size(); ++n)
        states[n] = {OvcEdit[n]->text(), OvcEdit[n]->pos(), OvcEdit[n]->hiddenMark()};
    return states;
}

void TFieldConfigForm::LayoutToControls()
{
    const FieldBoxStates states = FieldLayoutTransfer::LayoutToControls(FieldLayout);
    for (size_t n = 0; n < states.size(); ++n) {
        FieldBox *box = OvcEdit[n];
        box->moveTo(states[n].position);
        box->setHiddenMark(states[n].hidden);
        box->setLabelText(states[n].text);
    }
    applyTabOrder();
}

void TFieldConfigForm::applyTabOrder()
{
    // Tab moves through each page's boxes in the order the item form uses.
    for (int page : {1, 2}) {
        QList<FieldBox *> boxes;
        for (FieldBox *box : OvcEdit)
            if (FieldCatalogue::page(box->number()) == page)
                boxes.append(box);
        std::stable_sort(boxes.begin(), boxes.end(), [](const FieldBox *a, const FieldBox *b) {
            return FieldLayout[size_t(a->number())].TabOrder < FieldLayout[size_t(b->number())].TabOrder;
        });
        for (int i = 1; i < boxes.size(); ++i)
            QWidget::setTabOrder(boxes[i - 1], boxes[i]);
    }
}

void TFieldConfigForm::FormShow()
{
    applyTabOrder();
}

void TFieldConfigForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    move(x(), y() + 25);
}

void TFieldConfigForm::modeChanged()
{
    Qt::CursorShape shape = Qt::IBeamCursor;
    if (mode() == Mode::ArrangeFields)
        shape = Qt::SizeAllCursor;
    else if (mode() == Mode::ShowHideFields)
        shape = Qt::PointingHandCursor;
    for (FieldBox *box : OvcEdit)
        box->setCursor(shape);
}

bool TFieldConfigForm::FieldMouseDown(FieldBox *box, Qt::MouseButton button, const QPoint &globalPos)
{
    if (mode() == Mode::EditNames)
        return false;
    if (button != Qt::LeftButton)
        return true;
    if (mode() == Mode::ArrangeFields) {
        m_dragged = box;
        m_dragStartBox = box->pos();
        m_dragStartPointer = globalPos;
        box->bringToFront();
        return true;
    }
    if (box->number() == 0) {
        ShowMessage(MessageKind::Error, QStringLiteral("You can not hide a required field"));
        return true;
    }
    box->setHiddenMark(!box->hiddenMark());
    return true;
}

void TFieldConfigForm::dragTo(const QPoint &globalPos)
{
    if (m_dragged)
        m_dragged->moveTo(m_dragStartBox + (globalPos - m_dragStartPointer));
}

void TFieldConfigForm::drop()
{
    if (!m_dragged)
        return;
    FieldBox *box = std::exchange(m_dragged, nullptr);
    box->moveTo(FieldDropCorrection::correct(box->pos(), box->size(), CheckBox1->isChecked()));
}

bool TFieldConfigForm::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<FieldBox *>(watched);
    if (!box || mode() == Mode::EditNames)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        return FieldMouseDown(box, mouse->button(), mouse->globalPosition().toPoint());
    }
    case QEvent::MouseMove:
        if (m_dragged == box && (static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton))
            dragTo(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (m_dragged == box && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            drop();
        return true;
    case QEvent::ContextMenu:
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

bool TFieldConfigForm::LabelsComplete()
{
    const int n = FieldLayoutTransfer::firstEmptyLabel(boxStates());
    if (n < 0)
        return true;
    OvcNotebook1->setCurrentWidget(pageOf(n));
    OvcEdit[size_t(n)]->setFocus();
    ShowMessage(MessageKind::Information, QStringLiteral("A Value is Required for this Field"));
    return false;
}

void TFieldConfigForm::ControlsToLayout()
{
    FieldLayoutTransfer::ControlsToLayout(boxStates(), FieldLayout);
}

void TFieldConfigForm::Button1Click()
{
    if (!LabelsComplete())
        return;
    ControlsToLayout();
    SaveResult result;
    {
        BusyCursor busy;
        result = FieldSetupSaver::save(*DataModule1, m_collection, FieldLayout);
    }
    if (!result.ok)
        ShowMessage(MessageKind::Error, result.error);
}

bool TFieldConfigForm::FormCloseQuery()
{
    try {
        DataModule1->LoadFieldLayout(m_collection);
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    return true;
}

bool TFieldConfigForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TFieldConfigForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFieldConfigForm::done(int result)
{
    m_dragged = nullptr;
    if (FormCloseQuery())
        QDialog::done(result);
}
