#pragma once

#include <QDialog>

class CollectionSelector;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The environment options: background picture, picture folder, report title, default collection
// and automatic clearing of the item form.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget *parent = nullptr);

    static constexpr int MaxPictureNameLength = 192;
    static constexpr int MaxReportTitleLength = 25;

    QLineEdit *Edit1;
    QToolButton *SpeedButton1;
    QRadioButton *rbCentered;
    QRadioButton *rbStretched;
    QLineEdit *Edit3;
    QLineEdit *Edit2;
    CollectionSelector *OvcComboBox1;
    QCheckBox *CheckBox1;
    QPushButton *SaveButton;
    QPushButton *CloseButton;

public Q_SLOTS:
    void FormCreate();
    void SpeedButton1Click();
    void SaveButtonClick();
    void FormClose();
    void done(int result) override;
};
