#include "items/TBrowseForm.h"

#include "app/BusyCursor.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/WindowPlacement.h"
#include "items/BrowseModel.h"
#include "items/BrowseRowReader.h"
#include "items/GridColumnWidths.h"
#include "items/TAddEditForm.h"
#include "store/FieldLayout.h"
#include "store/Money.h"
#include "store/TDataModule1.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>

namespace {

constexpr int Margin = 8;
constexpr int GridWidth = 705;
constexpr int GridHeight = 353;

Table &items()
{
    return *DataModule1->CollectionsTable;
}

QStringList fieldLabels()
{
    QStringList labels;
    for (const FieldLayoutEntry &entry : FieldLayout)
        labels.append(entry.Label);
    return labels;
}

} // namespace

TBrowseForm::TBrowseForm(QWidget *parent, const QString &filterExpression, const QString &collectionName)
    : QDialog(parent)
    , m_collection(collectionName)
    , m_model(new BrowseModel(this))
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);
    setStatusTip(QStringLiteral("Browse through items in a collection"));
    setHelpContext(this, 3001);
    createControls();
    m_widths = std::make_unique<GridColumnWidths>(StringGrid1->font());

    BusyCursor wait;
    try {
        openItems(filterExpression);
        setCaption();
        LoadGridLayout();
        fillRows(items().filter());
    } catch (...) {
        items().reset();
        throw;
    }
}

TBrowseForm::~TBrowseForm()
{
    // A window freed without being closed still gives the item table back.
    if (!m_closed && DataModule1)
        items().reset();
}

TAddEditForm *TBrowseForm::itemForm() const
{
    return m_itemForm;
}

void TBrowseForm::createControls()
{
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(Margin, Margin, GridWidth, GridHeight);
    StringGrid1->setModel(m_model);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView *header = StringGrid1->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(1);
    header->setTextElideMode(Qt::ElideNone);
    StringGrid1->setColumnHidden(BrowseModel::KeyColumn, true);
    StringGrid1->viewport()->installEventFilter(this);
    header->viewport()->installEventFilter(this);
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this, &TBrowseForm::StringGrid1DblClick);

    const int cellMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid1) + 1);
    const int headingMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    m_padding = std::max(cellMargin, headingMargin) + 1;

    GroupBox1 = new QGroupBox(QStringLiteral(" Right click on column heading sorts "), this);
    GroupBox1->setGeometry(Margin, Margin + GridHeight + 4, 290, 45);
    RadioButton1 = new QRadioButton(QStringLiteral("&Ascending"), GroupBox1);
    RadioButton1->setGeometry(12, 20, 110, 18);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("&Descending"), GroupBox1);
    RadioButton2->setGeometry(150, 20, 110, 18);

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setAutoDefault(false);
    Button1->setGeometry(ClientWidth - Margin - 75, ClientHeight - Margin - 25, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TBrowseForm::openItems(const QString &filterExpression)
{
    Table &t = items();
    t.setAfterPost([this] { afterPost(); });
    t.setAfterDelete([this] { afterDelete(); });
    t.setIndexName(QStringLiteral("Name"));
    t.setFilter(filterExpression.isEmpty() ? QStringLiteral("Collection = '") + m_collection + u'\''
                                           : filterExpression);
    t.setFiltered(true);
    t.open();
}

void TBrowseForm::setCaption()
{
    setWindowTitle(QStringLiteral("Browse %1 Collection (%2 Items)").arg(m_collection).arg(items().recordCount()));
}

void TBrowseForm::LoadGridLayout()
{
    m_order = GridColumnOrder::read(*DataModule1->GridTable, m_collection);
    QStringList headings(BrowseModel::ColumnCount);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        headings[m_order.column(n)] = FieldLayout[n].Label;
    m_model->setHeadings(headings);
    StringGrid1->setColumnWidth(BrowseModel::KeyColumn, 0);
    for (int c = 1; c < BrowseModel::ColumnCount; ++c)
        StringGrid1->setColumnWidth(c, m_widths->textWidth(headings[c], true) + m_padding);
}

void TBrowseForm::fillRows(const QString &filter)
{
    const BrowseRowReader reader(m_order, Money::currencyLocale());
    m_model->setRows(reader.readAll(DataModule1->database(), filter));
    std::array<bool, BrowseModel::ColumnCount> capitals;
    for (int c = 0; c < BrowseModel::ColumnCount; ++c) {
        const int field = m_order.fieldInColumn(c);
        capitals[c] = field < 0 || FieldCatalogue::entryKind(field) != FieldCatalogue::EntryKind::Money;
    }
    const std::array<int, BrowseModel::ColumnCount> widths = m_widths->compute(*m_model, capitals);
    for (int c = 1; c < BrowseModel::ColumnCount; ++c)
        widenColumn(c, widths[c]);
}

void TBrowseForm::widenColumn(int column, int textWidth)
{
    if (StringGrid1->columnWidth(column) < textWidth + m_padding)
        StringGrid1->setColumnWidth(column, textWidth + m_padding);
}

void TBrowseForm::FillRow(int row)
{
    const BrowseRowReader reader(m_order, Money::currencyLocale());
    m_model->setRow(row, reader.read(items()));
    for (int c = 1; c < BrowseModel::ColumnCount; ++c) {
        const int field = m_order.fieldInColumn(c);
        const bool money = field >= 0 && FieldCatalogue::entryKind(field) == FieldCatalogue::EntryKind::Money;
        widenColumn(c, m_widths->textWidth(m_model->text(row, c), !money));
    }
}

void TBrowseForm::afterPost()
{
    const qint64 key = items().currentKey();
    m_formKey = key;
    int row = m_model->rowOfKey(key);
    if (row < 0) {
        // An item added from the item form (saving on an empty table starts a new row).
        row = m_model->rowCount();
        m_model->appendRow(BrowseRow());
    }
    FillRow(row);
}

void TBrowseForm::afterDelete()
{
    const int row = m_model->rowOfKey(m_formKey);
    if (row >= 0)
        m_model->removeRows(row, 1);
    m_formKey = items().currentKey();
}

void TBrowseForm::StringGrid1DblClick()
{
    if (m_itemForm && m_itemForm->isVisible())
        return;
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid())
        return; // no item rows: nothing to open
    const qint64 key = m_model->key(current.row());
    if (!items().gotoKey(key)) {
        ShowMessage(MessageKind::Information, QStringLiteral("This item no longer matches the items browsed here."));
        return;
    }
    m_formKey = key;
    auto *form = new TAddEditForm(this, m_collection, ItemFormMode::EditOne);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::finished, this, [this] { setCaption(); });
    m_itemForm = form;
    form->open();
}

void TBrowseForm::StringGrid1MouseUp(const QPoint &position)
{
    int column = -1;
    QHeaderView *header = StringGrid1->horizontalHeader();
    const QPoint inHeading = header->viewport()->mapFrom(StringGrid1, position);
    const QPoint inCells = StringGrid1->viewport()->mapFrom(StringGrid1, position);
    if (header->isVisible() && header->viewport()->rect().contains(inHeading))
        column = header->logicalIndexAt(inHeading.x());
    else if (StringGrid1->viewport()->rect().contains(inCells) && StringGrid1->rowAt(inCells.y()) >= 0)
        column = StringGrid1->columnAt(inCells.x());
    if (column <= BrowseModel::KeyColumn) {
        ShowMessage(MessageKind::Error, QString::fromLatin1(FixedColumnMessage));
        return;
    }
    sortByColumn(column);
}

void TBrowseForm::sortByColumn(int column)
{
    BusyCursor wait;
    StringGrid1->setUpdatesEnabled(false);
    m_model->sort(column, RadioButton1->isChecked() ? Qt::AscendingOrder : Qt::DescendingOrder);
    StringGrid1->setUpdatesEnabled(true);
}

void TBrowseForm::SaveGridLayout()
{
    QStringList headings;
    const QHeaderView *header = StringGrid1->horizontalHeader();
    for (int visual = 0; visual < BrowseModel::ColumnCount; ++visual) {
        const int column = header->logicalIndex(visual);
        if (column != BrowseModel::KeyColumn)
            headings.append(m_model->heading(column));
    }
    m_order = GridColumnOrder::fromHeadings(headings, fieldLabels());
    m_order.write(*DataModule1->GridTable, m_collection);
}

void TBrowseForm::FormCloseQuery()
{
    items().reset();
    SaveGridLayout();
}

void TBrowseForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        if (m_itemForm)
            m_itemForm->reject();
        try {
            FormCloseQuery();
        } catch (...) {
            QDialog::done(result);
            throw;
        }
    }
    QDialog::done(result);
}

void TBrowseForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    move(x(), y() + 25);
}

void TBrowseForm::showEvent(QShowEvent *event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        CenterOnScreen(this);
    }
    QDialog::showEvent(event);
}

void TBrowseForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool TBrowseForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == StringGrid1->viewport() || watched == StringGrid1->horizontalHeader()->viewport())) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            StringGrid1MouseUp(static_cast<QWidget *>(watched)->mapTo(StringGrid1, mouse->position().toPoint()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
