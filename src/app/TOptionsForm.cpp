#include "app/TOptionsForm.h"

#include "app/CollectionSelection.h"
#include "app/CollectionSelector.h"
#include "app/FileDialogs.h"
#include "app/OptionsStore.h"
#include "app/PictureFileFilter.h"
#include "app/StatusSink.h"
#include "app/TMainMenuForm.h"
#include "store/SysConfig.h"
#include "store/TDataModule1.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TOptionsForm::TOptionsForm(QWidget *parent)
    : QDialog(parent)
    , Edit1(new QLineEdit(this))
    , SpeedButton1(new QToolButton(this))
    , rbCentered(new QRadioButton(QStringLiteral("Centered"), this))
    , rbStretched(new QRadioButton(QStringLiteral("Scaled"), this))
    , Edit3(new QLineEdit(this))
    , Edit2(new QLineEdit(this))
    , OvcComboBox1(new CollectionSelector(7, this))
    , CheckBox1(new QCheckBox(QStringLiteral("Auto-Clear Fields"), this))
    , SaveButton(new QPushButton(QStringLiteral("Save"), this))
    , CloseButton(new QPushButton(QStringLiteral("Close"), this))
{
    setWindowTitle(QStringLiteral("Set User Options"));
    setStatusTip(QStringLiteral("Set user options"));
    Edit1->setMaxLength(MaxPictureNameLength);
    Edit2->setMaxLength(MaxReportTitleLength);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Choose a picture file"));
    Edit1->setMinimumWidth(320);

    auto *fileLabel = new QLabel(QStringLiteral("Filename"), this);
    auto *folderLabel = new QLabel(QStringLiteral("Default Picture Directory"), this);
    auto *titleLabel = new QLabel(QStringLiteral("Report Title"), this);
    auto *collectionLabel = new QLabel(QStringLiteral("Default Collection"), this);
    // One label column inside and outside the group.
    int labelWidth = 0;
    for (QLabel *label : {fileLabel, folderLabel, titleLabel, collectionLabel})
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    fileLabel->setMinimumWidth(labelWidth - style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    for (QLabel *label : {folderLabel, titleLabel, collectionLabel})
        label->setMinimumWidth(labelWidth);

    auto *group = new QGroupBox(QStringLiteral(" Background Image "), this);
    auto *file = new QHBoxLayout;
    file->addWidget(Edit1);
    file->addWidget(SpeedButton1);
    auto *placing = new QHBoxLayout;
    placing->addWidget(rbCentered);
    placing->addWidget(rbStretched);
    placing->addStretch();
    auto *groupLayout = new QFormLayout(group);
    groupLayout->addRow(fileLabel, file);
    groupLayout->addRow(QString(), placing);

    auto *fields = new QFormLayout;
    fields->addRow(folderLabel, Edit3);
    fields->addRow(titleLabel, Edit2);
    fields->addRow(collectionLabel, OvcComboBox1);
    fields->addRow(QString(), CheckBox1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveButton);
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(SpeedButton1, &QToolButton::clicked, this, &TOptionsForm::SpeedButton1Click);
    connect(SaveButton, &QPushButton::clicked, this, &TOptionsForm::SaveButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TOptionsForm::FormCreate()
{
    if (DataModule1)
        OvcComboBox1->setCollections(CollectionSelection::loadNames(*DataModule1));
    Edit1->setText(SysConfigRec.BackgroundPicture);
    Edit2->setText(SysConfigRec.ReportTitle);
    Edit3->setText(SysConfigRec.PicturesDirectory);
    rbCentered->setChecked(SysConfigRec.Centered);
    rbStretched->setChecked(!SysConfigRec.Centered);
    CheckBox1->setChecked(SysConfigRec.AutoClear);
    OvcComboBox1->selectCollection(SysConfigRec.DefaultCollection);
}

void TOptionsForm::SpeedButton1Click()
{
    const QString folder = Edit1->text().isEmpty() ? Edit3->text() : QFileInfo(Edit1->text()).absolutePath();
    const QString name = ChooseOpenPicture(this, QStringLiteral("Background Picture"), folder, PictureFileFilter());
    if (!name.isEmpty())
        Edit1->setText(name);
}

void TOptionsForm::SaveButtonClick()
{
    if (!DataModule1)
        return;
    SysConfigRecord options = SysConfigRec;
    options.BackgroundPicture = Edit1->text();
    options.ReportTitle = Edit2->text();
    options.Centered = rbCentered->isChecked();
    options.PicturesDirectory = Edit3->text();
    options.AutoClear = CheckBox1->isChecked();
    options.DefaultCollection = OvcComboBox1->selectedCollection();
    OptionsStore::save(*DataModule1, options);
    ShowStatus(QStringLiteral("Updated user options"));
    DataModule1->LoadOptions();
    SelectDefaultCollection();
    ShowBackgroundPicture();
}

void TOptionsForm::FormClose()
{
    ClearStatus();
}

void TOptionsForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
