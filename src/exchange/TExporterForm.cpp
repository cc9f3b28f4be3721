#include "exchange/TExporterForm.h"

#include "app/BusyCursor.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/StatusSink.h"
#include "exchange/FieldListPair.h"
#include "exchange/ItemExporter.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QVBoxLayout>

TExporterForm::TExporterForm(QWidget *parent, const QString &collectionName)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Available fields"), this))
    , ListBox1(new QListWidget(this))
    , Label2(new QLabel(QStringLiteral("Fields to export"), this))
    , ListBox2(new QListWidget(this))
    , Button1(new QPushButton(QStringLiteral(">>"), this))
    , Button2(new QPushButton(QStringLiteral("<<"), this))
    , SpeedButton1(new QToolButton(this))
    , SpeedButton2(new QToolButton(this))
    , Label3(new QLabel(QStringLiteral("&Filename"), this))
    , Edit1(new QLineEdit(this))
    , SpeedButton3(new QToolButton(this))
    , Button3(new QPushButton(QStringLiteral("Export"), this))
    , Button4(new QPushButton(QStringLiteral("Close"), this))
    , m_collection(collectionName)
    , m_catalogue(QStringList(), EntryCatalogue::Use::Export)
    , m_lists(new FieldListPair(ListBox1, ListBox2, this))
{
    setWindowTitle(QStringLiteral("Export Data From ") + collectionName + QStringLiteral(" Collection"));
    setStatusTip(QStringLiteral("Export Collection"));
    setHelpContext(this, 6002);

    Label1->setBuddy(ListBox1);
    Label2->setBuddy(ListBox2);
    Label3->setBuddy(Edit1);
    SpeedButton1->setArrowType(Qt::UpArrow);
    SpeedButton1->setToolTip(QStringLiteral("Move the selected field up"));
    SpeedButton2->setArrowType(Qt::DownArrow);
    SpeedButton2->setToolTip(QStringLiteral("Move the selected field down"));
    SpeedButton3->setText(QStringLiteral("..."));
    SpeedButton3->setToolTip(QStringLiteral("Choose the file to write"));
    // The file is chosen with the browse button; what is typed here would change nothing.
    Edit1->setReadOnly(true);
    Button3->setEnabled(false);
    for (QPushButton *button : {Button1, Button2, Button3, Button4})
        button->setAutoDefault(false);
    ListBox1->setMinimumSize(180, 260);
    ListBox2->setMinimumSize(180, 260);

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(Button1);
    moves->addWidget(Button2);
    moves->addStretch();
    auto *order = new QVBoxLayout;
    order->addStretch();
    order->addWidget(SpeedButton1);
    order->addWidget(SpeedButton2);
    order->addStretch();
    auto *lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Label2, 0, 2);
    lists->addWidget(ListBox1, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(ListBox2, 1, 2);
    lists->addLayout(order, 1, 3);
    auto *file = new QHBoxLayout;
    file->addWidget(Label3);
    file->addWidget(Edit1, 1);
    file->addWidget(SpeedButton3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(file);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TExporterForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TExporterForm::Button2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TExporterForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TExporterForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TExporterForm::SpeedButton3Click);
    connect(Button3, &QPushButton::clicked, this, &TExporterForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

TExporterForm::~TExporterForm() = default;

void TExporterForm::FormCreate()
{
    try {
        m_catalogue = EntryCatalogue::load(*DataModule1, m_collection, EntryCatalogue::Use::Export);
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    m_lists->fill(m_catalogue.entries(), {m_catalogue.nameLabel()});
}

void TExporterForm::Button1Click()
{
    m_lists->choose();
}

void TExporterForm::Button2Click()
{
    m_lists->giveBack();
}

void TExporterForm::SpeedButton1Click()
{
    m_lists->moveUp();
}

void TExporterForm::SpeedButton2Click()
{
    m_lists->moveDown();
}

bool TExporterForm::ListBoxDragOver(QObject *, QObject *source)
{
    return FieldListPair::acceptsDrag(source);
}

void TExporterForm::ListBoxDragDrop(QObject *, QObject *source)
{
    m_lists->drop(source);
}

void TExporterForm::SpeedButton3Click()
{
    const QString chosen = ChooseSaveFile(this, QStringLiteral("Export To"), QFileInfo(m_target).absolutePath(),
                                          QStringLiteral("Comma Separated Files (*.csv)|*.csv"), QStringLiteral("csv"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo::exists(chosen)) {
        const QString path = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
        if (ShowMessage(MessageKind::Confirmation, path + QStringLiteral(" already exists.  Overwrite?"),
                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    m_target = chosen;
    Edit1->setText(QDir::toNativeSeparators(chosen));
    Button3->setEnabled(true);
}

void TExporterForm::Button3Click()
{
    if (m_exporting || m_target.isEmpty())
        return;
    m_exporting = true;
    Button3->setEnabled(false);
    const auto finished = qScopeGuard([this] {
        m_exporting = false;
        Button3->setEnabled(true);
    });

    QList<ExportColumn> columns;
    for (const QString &entry : m_lists->chosenEntries())
        columns.append({entry, m_catalogue.find(entry)});

    ExportResult result;
    {
        BusyCursor busy;
        QFile file(m_target);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            result.error =
                QStringLiteral("Cannot create %1: %2").arg(QDir::toNativeSeparators(m_target), file.errorString());
        } else {
            ItemExporter exporter(*DataModule1, m_collection);
            exporter.setColumns(columns);
            result = exporter.write(&file);
            file.close();
            if (result.ok && file.error() != QFileDevice::NoError) {
                result.ok = false;
                result.error = file.errorString();
            }
        }
    }
    if (result.ok)
        ShowMessage(MessageKind::Information, QStringLiteral("Export complete!"));
    else
        ShowMessage(MessageKind::Error, result.error);
    ClearStatus();
}

void TExporterForm::done(int result)
{
    if (m_exporting)
        return;
    ClearStatus();
    QDialog::done(result);
}
