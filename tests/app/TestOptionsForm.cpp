#include "RecordingStatusSink.h"
#include "ShellFixture.h"
#include "app/BackgroundView.h"
#include "app/CollectionSelector.h"
#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "app/PictureFileFilter.h"
#include "app/TMainMenuForm.h"
#include "app/TOptionsForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestOptionsForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void showsTheOptions();
    void emptyPicturesFolderShowsDefault();
    void saveWritesTheRow();
    void saveRefreshesMainWindow_data();
    void saveRefreshesMainWindow();
    void switchingToScaledRedraws();
    void closeWithoutSaveChangesNothing();
    void pictureButton_data();
    void pictureButton();
    void pictureFilter();
    void reportTitleIsLimited();
};

namespace {
SysConfigRecord SomeOptions()
{
    SysConfigRecord options;
    options.BackgroundPicture = QStringLiteral("/pictures/wall.jpg");
    options.Centered = false;
    options.PicturesDirectory = QStringLiteral("/pictures/");
    options.ReportTitle = QStringLiteral("My Things");
    options.DefaultCollection = QStringLiteral("Stamps");
    options.AutoClear = true;
    options.HTabs = true;
    return options;
}
} // namespace

void TestOptionsForm::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MessageSeam::answerWith({});
}

void TestOptionsForm::cleanup()
{
    FileDialogSeam::reset();
    QCOMPARE(MessageSeam::asked().size(), 0);
}

void TestOptionsForm::showsTheOptions()
{
    ShellFixture db({"Stamps", "Coins"});
    SysConfigRec = SomeOptions();
    TOptionsForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Set User Options"));
    QCOMPARE(form.Edit1->text(), QStringLiteral("/pictures/wall.jpg"));
    QCOMPARE(form.Edit2->text(), QStringLiteral("My Things"));
    QCOMPARE(form.Edit3->text(), QStringLiteral("/pictures/"));
    QVERIFY(form.rbStretched->isChecked());
    QVERIFY(!form.rbCentered->isChecked());
    QVERIFY(form.CheckBox1->isChecked());
    QCOMPARE(form.OvcComboBox1->collections(), QStringList({"Coins", "Stamps"}));
    QCOMPARE(form.OvcComboBox1->selectedCollection(), QStringLiteral("Stamps"));
    QCOMPARE(form.OvcComboBox1->maxVisibleItems(), 7);

    SysConfigRec.DefaultCollection = QStringLiteral("Toys");
    TOptionsForm unknownDefault;
    QCOMPARE(unknownDefault.OvcComboBox1->currentIndex(), -1);
}

void TestOptionsForm::emptyPicturesFolderShowsDefault()
{
    ShellFixture db;
    db.saveOptions(SysConfigRecord());
    db.dm().LoadOptions();
    TOptionsForm form;
    QCOMPARE(form.Edit3->text(), defaultPicturesDirectory());
    form.SaveButtonClick();
    QCOMPARE(db.storedOptions().PicturesDirectory, defaultPicturesDirectory());
}

void TestOptionsForm::saveWritesTheRow()
{
    ShellFixture db({"Coins", "Stamps"});
    {
        QSqlQuery q(db.dm().database());
        QVERIFY(q.exec(QStringLiteral("UPDATE Options SET HTabs = 0")));
    }
    db.dm().LoadOptions();
    RecordingStatusSink status;
    TOptionsForm form;
    form.show();
    form.Edit1->setText(QStringLiteral("/pictures/new.png"));
    form.Edit2->setText(QStringLiteral("Collector's Report"));
    form.Edit3->setText(QStringLiteral("/elsewhere/"));
    form.rbStretched->setChecked(true);
    form.CheckBox1->setChecked(true);
    form.OvcComboBox1->selectCollection(QStringLiteral("Stamps"));
    form.SaveButtonClick();

    const SysConfigRecord stored = db.storedOptions();
    QCOMPARE(stored.BackgroundPicture, QStringLiteral("/pictures/new.png"));
    QCOMPARE(stored.ReportTitle, QStringLiteral("Collector's Report"));
    QCOMPARE(stored.PicturesDirectory, QStringLiteral("/elsewhere/"));
    QCOMPARE(stored.Centered, false);
    QCOMPARE(stored.AutoClear, true);
    QCOMPARE(stored.DefaultCollection, QStringLiteral("Stamps"));
    QCOMPARE(stored.HTabs, false); // not the dialog's to change
    // The record in memory is loaded again.
    QCOMPARE(SysConfigRec.ReportTitle, QStringLiteral("Collector's Report"));
    QCOMPARE(status.shown, QStringList{"Updated user options"});
    QVERIFY(form.isVisible()); // the dialog stays open after saving
    QVERIFY(!db.dm().OptionsTable->isOpen());
}

void TestOptionsForm::saveRefreshesMainWindow_data()
{
    QTest::addColumn<QString>("chosenBefore");
    QTest::addColumn<QString>("defaultCollection");
    QTest::addColumn<QString>("selectedAfter");
    QTest::addColumn<QString>("layoutAfter");
    QTest::newRow("jumps to the default") << "Coins"
                                          << "Stamps"
                                          << "Stamps"
                                          << "Stamps name";
    QTest::newRow("same default, other choice") << "Stamps"
                                                << "Coins"
                                                << "Coins"
                                                << "Coins name";
    // No default: the selector shows none; the layout of the previous choice stays loaded.
    QTest::newRow("no default") << "Coins"
                                << ""
                                << ""
                                << "Coins name";
}

void TestOptionsForm::saveRefreshesMainWindow()
{
    QFETCH(QString, chosenBefore);
    QFETCH(QString, defaultCollection);
    QFETCH(QString, selectedAfter);
    QFETCH(QString, layoutAfter);
    ShellFixture db({"Coins", "Stamps"});
    db.saveOptions(SysConfigRecord());
    TMainMenuForm main;
    main.FormActivate();
    main.selectCollection(chosenBefore);
    main.reloadFieldLayout();

    TOptionsForm form(&main);
    form.OvcComboBox1->selectCollection(defaultCollection);
    form.SaveButtonClick();
    QCOMPARE(db.storedOptions().DefaultCollection, defaultCollection);
    QCOMPARE(main.selectedCollection(), selectedAfter);
    QCOMPARE(FieldLayout[0].Label, layoutAfter);
    QCOMPARE(main.StatusPanel3->text(), QStringLiteral("Updated user options"));
    form.CloseButton->click();
    QCOMPARE(main.StatusPanel3->text(), QString());
}

void TestOptionsForm::switchingToScaledRedraws()
{
    ShellFixture db;
    SysConfigRecord options;
    options.BackgroundPicture = QStringLiteral(CURIODEX_TEST_DATA "/pictures/tall-green.png");
    options.Centered = true;
    db.saveOptions(options);
    TMainMenuForm main;
    main.FormActivate();
    QVERIFY(!main.Image1->isBlank());
    QVERIFY(main.Image1->isCentered());

    TOptionsForm form(&main);
    form.rbStretched->setChecked(true);
    form.SaveButtonClick();
    QVERIFY(!main.Image1->isBlank());
    QVERIFY(!main.Image1->isCentered());

    form.Edit1->setText(QStringLiteral(CURIODEX_TEST_DATA "/pictures/gone.png"));
    form.SaveButtonClick();
    QVERIFY(main.Image1->isBlank());
}

void TestOptionsForm::closeWithoutSaveChangesNothing()
{
    ShellFixture db({"Coins"});
    db.saveOptions(SomeOptions());
    db.dm().LoadOptions();
    RecordingStatusSink status;
    TOptionsForm form;
    form.show();
    form.Edit2->setText(QStringLiteral("Changed"));
    form.rbCentered->setChecked(true);
    form.CloseButton->click();
    QVERIFY(!form.isVisible());
    const SysConfigRecord stored = db.storedOptions();
    QCOMPARE(stored.ReportTitle, QStringLiteral("My Things"));
    QCOMPARE(stored.Centered, false);
    QCOMPARE(status.clears, 1);
}

void TestOptionsForm::pictureButton_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("shown");
    QTest::newRow("picked") << "/pictures/cabinet.png"
                            << "/pictures/cabinet.png";
    QTest::newRow("cancelled") << ""
                               << "/pictures/wall.jpg";
}

void TestOptionsForm::pictureButton()
{
    QFETCH(QString, picked);
    QFETCH(QString, shown);
    ShellFixture db;
    SysConfigRec = SomeOptions();
    TOptionsForm form;
    FileDialogSeam::setNextFileName(picked);
    form.SpeedButton1Click();
    QCOMPARE(FileDialogSeam::asked(), QStringList{"picture: Background Picture"});
    QCOMPARE(form.Edit1->text(), shown);
}

void TestOptionsForm::pictureFilter()
{
    const QString qtFilter = toQtFilter(PictureFileFilter());
    const QStringList filters = qtFilter.split(QStringLiteral(";;"));
    QCOMPARE(filters.size(), 9);
    QCOMPARE(filters.first(), QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.gif)"));
    QVERIFY(filters.contains(QStringLiteral("PNG Images (*.png)")));
    QVERIFY(filters.contains(QStringLiteral("GIF Images (*.gif)")));
    QVERIFY(filters.contains(QStringLiteral("JPEG Image File (*.jpeg)")));
}

void TestOptionsForm::reportTitleIsLimited()
{
    ShellFixture db;
    SysConfigRec = SysConfigRecord();
    TOptionsForm form;
    form.show();
    QTest::keyClicks(form.Edit2, QString(30, u'x'));
    QCOMPARE(form.Edit2->text().size(), 25);
}

QTEST_MAIN(TestOptionsForm)
#include "TestOptionsForm.moc"
