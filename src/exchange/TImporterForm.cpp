#include "exchange/TImporterForm.h"

#include "app/BusyCursor.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/StatusSink.h"
#include "app/WindowPlacement.h"
#include "exchange/CsvImportRows.h"
#include "exchange/FieldListPair.h"
#include "exchange/ItemImporter.h"
#include "exchange/TextGridModel.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList PageNames = {QStringLiteral("Select File"), QStringLiteral("Assign Fields"),
                               QStringLiteral("Verify Fields")};

QTableView *makeGrid(QWidget *parent, TextGridModel *model)
{
    auto *grid = new QTableView(parent);
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return grid;
}

QSpinBox *makeSkipCount(QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(0, 999);
    spin->setValue(0);
    return spin;
}

} // namespace

TImporterForm::TImporterForm(QWidget *parent, const QString &collectionName)
    : QDialog(parent)
    , m_collection(collectionName)
    , m_catalogue(QStringList(), EntryCatalogue::Use::Import)
    , m_rawLines(new TextGridModel(this))
    , m_verifyRows(new TextGridModel(this))
{
    setWindowTitle(QStringLiteral("Import Data Into ") + collectionName + QStringLiteral(" Collection"));
    setStatusTip(QStringLiteral("Import collection"));
    setHelpContext(this, 6001);

    Notebook1 = new QStackedWidget(this);
    Notebook1->addWidget(makeSelectFilePage());
    Notebook1->addWidget(makeAssignFieldsPage());
    Notebook1->addWidget(makeVerifyFieldsPage());
    PageTitle = new QLabel(this);
    QFont titleFont = PageTitle->font();
    titleFont.setBold(true);
    PageTitle->setFont(titleFont);
    Button1 = new QPushButton(QStringLiteral("<< Back"), this);
    Button2 = new QPushButton(QStringLiteral(">> Next"), this);
    Button3 = new QPushButton(QStringLiteral("Finish"), this);
    Button4 = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton *button : {Button1, Button2, Button3, Button4, Button5, Button6})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageTitle);
    layout->addWidget(Notebook1, 1);
    layout->addLayout(buttons);

    m_lists = new FieldListPair(ListBox1, ListBox2, this);
    connect(SpeedButton1, &QToolButton::clicked, this, &TImporterForm::SpeedButton1Click);
    connect(Button5, &QPushButton::clicked, this, &TImporterForm::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TImporterForm::Button6Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TImporterForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TImporterForm::SpeedButton3Click);
    connect(Button1, &QPushButton::clicked, this, &TImporterForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TImporterForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TImporterForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
    showPage(SelectFile);
    resize(640, 480);
}

TImporterForm::~TImporterForm() = default;

QWidget *TImporterForm::makeSelectFilePage()
{
    auto *page = new QWidget(this);
    Label1 = new QLabel(QStringLiteral("File Name"), page);
    Edit1 = new QLineEdit(page);
    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Choose the file to import"));
    Label1->setBuddy(Edit1);
    auto *row = new QHBoxLayout;
    row->addWidget(Edit1, 1);
    row->addWidget(SpeedButton1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Label1);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TImporterForm::makeAssignFieldsPage()
{
    auto *page = new QWidget(this);
    Label2 = new QLabel(QStringLiteral("View the raw data"), page);
    StringGrid1 = makeGrid(page, m_rawLines);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    Label3 = new QLabel(QStringLiteral("&Ignore the first"), page);
    SpinEdit1 = makeSkipCount(page);
    Label4 = new QLabel(QStringLiteral("I&gnore the last"), page);
    SpinEdit2 = makeSkipCount(page);
    Label3->setBuddy(SpinEdit1);
    Label4->setBuddy(SpinEdit2);
    Label5 = new QLabel(QStringLiteral("Available fields"), page);
    ListBox1 = new QListWidget(page);
    Label6 = new QLabel(QStringLiteral("Fields to import"), page);
    ListBox2 = new QListWidget(page);
    Label5->setBuddy(ListBox1);
    Label6->setBuddy(ListBox2);
    Button5 = new QPushButton(QStringLiteral(">>"), page);
    Button6 = new QPushButton(QStringLiteral("<<"), page);
    SpeedButton2 = new QToolButton(page);
    SpeedButton2->setArrowType(Qt::UpArrow);
    SpeedButton2->setToolTip(QStringLiteral("Move the selected field up"));
    SpeedButton3 = new QToolButton(page);
    SpeedButton3->setArrowType(Qt::DownArrow);
    SpeedButton3->setToolTip(QStringLiteral("Move the selected field down"));

    auto *skips = new QHBoxLayout;
    skips->addWidget(Label3);
    skips->addWidget(SpinEdit1);
    skips->addWidget(new QLabel(QStringLiteral("lines"), page));
    skips->addSpacing(16);
    skips->addWidget(Label4);
    skips->addWidget(SpinEdit2);
    skips->addWidget(new QLabel(QStringLiteral("lines"), page));
    skips->addStretch();
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(Button5);
    moves->addWidget(Button6);
    moves->addStretch();
    auto *order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(SpeedButton2);
    order->addWidget(SpeedButton3);
    order->addStretch();
    auto *lists = new QGridLayout;
    lists->addWidget(Label5, 0, 0);
    lists->addWidget(Label6, 0, 2);
    lists->addWidget(ListBox1, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(ListBox2, 1, 2);
    lists->addLayout(order, 1, 3);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Label2);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(skips);
    layout->addLayout(lists, 2);
    return page;
}

QWidget *TImporterForm::makeVerifyFieldsPage()
{
    auto *page = new QWidget(this);
    Label7 = new QLabel(QStringLiteral("View the data in the assigned columns"), page);
    StringGrid2 = makeGrid(page, m_verifyRows);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Label7);
    layout->addWidget(StringGrid2, 1);
    return page;
}

void TImporterForm::FormCreate()
{
    try {
        m_catalogue = EntryCatalogue::load(*DataModule1, m_collection, EntryCatalogue::Use::Import);
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    m_lists->fill(m_catalogue.entries(), {m_catalogue.nameLabel()});
}

TImporterForm::Page TImporterForm::page() const
{
    return Page(Notebook1->currentIndex());
}

void TImporterForm::showPage(Page page)
{
    Notebook1->setCurrentIndex(page);
    PageTitle->setText(PageNames.at(page));
    Button1->setEnabled(page != SelectFile);
    Button2->setEnabled(page == AssignFields || (page == SelectFile && m_fileRead));
    Button3->setEnabled(page == VerifyFields);
    if (page == VerifyFields) {
        BuildVerifyColumns();
        FillVerifyGrid();
    }
}

void TImporterForm::SpeedButton1Click()
{
    const QString chosen = ChooseOpenFile(this, QStringLiteral("Import From"), QFileInfo(Edit1->text()).absolutePath(),
                                          QStringLiteral("Comma Separated Files (*.csv)|*.csv"));
    if (chosen.isEmpty())
        return;
    Edit1->setText(QDir::toNativeSeparators(chosen));
    if (LoadRawFile())
        Button2->setEnabled(true);
}

bool TImporterForm::LoadRawFile()
{
    BusyCursor busy;
    const QString path = QDir::fromNativeSeparators(Edit1->text());
    QFile file(path);
    CsvReader reader;
    QString error;
    if (QFileInfo(path).isDir())
        error = QStringLiteral("%1 is a folder, not a file.").arg(QDir::toNativeSeparators(path));
    else if (!file.open(QIODevice::ReadOnly))
        error = QStringLiteral("Cannot open %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    else if (!reader.read(&file))
        error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), reader.errorString());
    if (!error.isEmpty()) {
        ShowMessage(MessageKind::Error, error);
        return false;
    }
    m_file = reader;
    m_fileRead = true;
    QList<QStringList> lines;
    for (const QString &line : m_file.rawLines())
        lines.append(QStringList{line});
    m_rawLines->setRows(lines, false);
    return true;
}

void TImporterForm::Button1Click()
{
    if (page() != SelectFile && !m_importing)
        showPage(Page(page() - 1));
}

void TImporterForm::Button2Click()
{
    if (page() != VerifyFields && !m_importing)
        showPage(Page(page() + 1));
}

void TImporterForm::Button5Click()
{
    m_lists->choose();
}

void TImporterForm::Button6Click()
{
    m_lists->giveBack();
}

void TImporterForm::SpeedButton2Click()
{
    m_lists->moveUp();
}

void TImporterForm::SpeedButton3Click()
{
    m_lists->moveDown();
}

bool TImporterForm::ListBoxDragOver(QObject *, QObject *source)
{
    return FieldListPair::acceptsDrag(source);
}

void TImporterForm::ListBoxDragDrop(QObject *, QObject *source)
{
    m_lists->drop(source);
}

void TImporterForm::BuildVerifyColumns()
{
    const QStringList entries = m_lists->chosenEntries();
    QStringList headings{QString()};
    for (const QString &entry : entries)
        headings.append(u' ' + entry);
    m_verifyRows->setHeadings(headings);
    const QFontMetrics metrics(StringGrid2->font());
    StringGrid2->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("XXXXX")));
    for (int k = 0; k < entries.size(); ++k)
        StringGrid2->setColumnWidth(k + 1, 2 * metrics.horizontalAdvance(entries.at(k)));
}

void TImporterForm::FillVerifyGrid()
{
    const qsizetype columns = m_lists->chosenEntries().size();
    QList<QStringList> rows;
    CsvImportRows source(m_file, SpinEdit1->value(), SpinEdit2->value());
    source.forEach([&](int, const QStringList &values) {
        QStringList row = values.mid(0, columns);
        while (row.size() < columns)
            row.append(QString());
        rows.append(row);
        return true;
    });
    m_verifyEndsInQuote = source.endsInQuote();
    m_verifyRows->setRows(rows, true);
}

void TImporterForm::Button3Click()
{
    if (m_importing)
        return;
    const QList<QStringList> &rows = m_verifyRows->rows();
    if (rows.isEmpty()) {
        ShowMessage(MessageKind::Information, QStringLiteral("Nothing to do!"));
        return;
    }
    if (m_verifyEndsInQuote) {
        ShowMessage(MessageKind::Information,
                    QStringLiteral("The file ends inside a quoted value: its closing double quote is missing, so the "
                                   "last value takes in the rest of the file. Nothing has been imported."));
        return;
    }
    m_importing = true;
    for (QPushButton *button : {Button1, Button3, Button4})
        button->setEnabled(false);
    const auto finished = qScopeGuard([this] {
        m_importing = false;
        Button1->setEnabled(true);
        Button4->setEnabled(true);
    });

    QList<ImportColumn> columns;
    for (const QString &entry : m_lists->chosenEntries()) {
        const QString heading = u' ' + entry;
        columns.append({heading, m_catalogue.find(heading.trimmed())});
    }
    ItemImporter importer(*DataModule1, m_collection);
    importer.setColumns(columns);
    ImportResult result;
    {
        BusyCursor busy;
        result = importer.run([&rows](const ItemImporter::RowVisitor &visit) {
            for (int i = 0; i < rows.size(); ++i) {
                if (!visit(i + 1, rows.at(i)))
                    return;
            }
        });
    }
    if (result.ok) {
        ShowMessage(MessageKind::Information, QStringLiteral("Import Complete!"));
        ClearStatus();
        return;
    }
    Button3->setEnabled(true);
    ShowMessage(result.rowMessage ? MessageKind::Information : MessageKind::Error, result.error);
}

void TImporterForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    CenterOnScreen(this);
    move(x(), y() + 25);
}

void TImporterForm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TImporterForm::done(int result)
{
    if (m_importing)
        return;
    ClearStatus();
    QDialog::done(result);
}
