#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "collections/FieldBox.h"
#include "collections/TFieldConfigForm.h"
#include "common/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

class TestTFieldConfigForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void opens();
    void boxes_data();
    void boxes();
    void showsTheLoadedLayout();
    void tabOrderFollowsTheLayout();
    void dragFollowsPointerAndCorrectsDrop_data();
    void dragFollowsPointerAndCorrectsDrop();
    void dragWithRealMouse();
    void onlyLeftButtonActs_data();
    void onlyLeftButtonActs();
    void showHide();
    void emptyLabelStopsSave_data();
    void emptyLabelStopsSave();
    void saveWritesRowsAndCloseReloads();
    void closeWithoutSaveKeepsTable();
    void failedSaveChangesNoRow();
    void firstActivationMovesDown();

private:
    void exec(const QString &sql);
    QString snapshot();
    static void send(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                     Qt::MouseButtons buttons);
    std::unique_ptr<TestDatabase> db;
};

void TestTFieldConfigForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Plates"));
    db->addCollection(QStringLiteral("Coins"));
    db->dm().LoadFieldLayout(QStringLiteral("Plates"));
    MessageSeam::answerWith({});
}

void TestTFieldConfigForm::cleanup()
{
    MessageSeam::reset();
    db.reset();
}

void TestTFieldConfigForm::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

QString TestTFieldConfigForm::snapshot()
{
    QSqlQuery q(db->dm().database());
    q.exec("SELECT * FROM FieldSetup ORDER BY ID");
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < 7; ++i)
            values.append(q.value(i).toString());
        rows.append(values.join(u'|'));
    }
    return rows.join(u'\n');
}

void TestTFieldConfigForm::send(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                                Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(w->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void TestTFieldConfigForm::opens()
{
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Configure Plates fields"));
    QCOMPARE(form.statusTip(), QStringLiteral("Configure collection field names and positions"));
    QCOMPARE(helpContext(&form), 5007);
    QCOMPARE(form.OvcNotebook1->width(), 529);
    QCOMPARE(form.OvcNotebook1->tabText(0), QStringLiteral("Description"));
    QCOMPARE(form.OvcNotebook1->tabText(1), QStringLiteral("Custom Fields"));
    QCOMPARE(form.Page1->size(), QSize(526, 410));
    QCOMPARE(form.Page2->size(), QSize(526, 410));
    QVERIFY(form.RadioButton1->isChecked());
    QCOMPARE(form.mode(), TFieldConfigForm::Mode::EditNames);
    QVERIFY(form.CheckBox1->isChecked());
    QCOMPARE(form.CheckBox1->text(), QStringLiteral("Snap Fields"));
}

void TestTFieldConfigForm::boxes_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Name") << 0 << 161 << "Name (Text)" << true << false;
    QTest::newRow("Retail Price") << 3 << 121 << "Retail Price (Money)" << false << false;
    QTest::newRow("Insured Value") << 6 << 121 << "Insured Value (Money)" << false << false;
    QTest::newRow("Purchased From") << 7 << 161 << "Purchased From (Text)" << false << false;
    QTest::newRow("Date Valued") << 9 << 161 << "Date Valued (Text)" << false << false;
    QTest::newRow("DMeasure") << 16 << 49 << "" << false << true;
    QTest::newRow("WMeasure") << 18 << 49 << "" << false << true;
    QTest::newRow("Limited Edition") << 20 << 161 << "Limited Edition (Checkbox)" << false << false;
    QTest::newRow("Text1") << 21 << 161 << "Text1" << false << false;
    QTest::newRow("Number1") << 33 << 121 << "Number1" << false << false;
    QTest::newRow("Money3") << 39 << 121 << "Money3" << false << false;
    QTest::newRow("Date1") << 40 << 161 << "Date1" << false << false;
    QTest::newRow("CheckBox3") << 45 << 161 << "CheckBox3" << false << false;
}

void TestTFieldConfigForm::boxes()
{
    QFETCH(int, number);
    QFETCH(int, width);
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    QFETCH(bool, readOnly);
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    FieldBox *box = form.OvcEdit[size_t(number)];
    QCOMPARE(box->objectName(), QStringLiteral("OvcEdit%1").arg(number + 1));
    QCOMPARE(box->property("tag").toInt(), number);
    QCOMPARE(box->size(), QSize(width, 22));
    QCOMPARE(box->parentWidget(), number < 21 ? form.Page1 : form.Page2);
    QCOMPARE(box->isReadOnly(), readOnly);
    QCOMPARE(box->caption() != nullptr, !caption.isEmpty());
    if (box->caption()) {
        QCOMPARE(box->caption()->text(), caption);
        QCOMPARE(box->caption()->font().bold(), bold);
        QCOMPARE(box->caption()->geometry().bottom() < box->y(), true); // above its box
        QCOMPARE(box->caption()->x(), box->x());
    }
}

void TestTFieldConfigForm::showsTheLoadedLayout()
{
    exec("UPDATE FieldSetup SET DataFieldLabel = 'Year Made', IsVisible = 0, LeftPosition = 200, TopPosition = 336 "
         "WHERE Collection = 'Plates' AND DataFieldNumber = 14");
    exec("UPDATE FieldSetup SET DataFieldLabel = 'A label of twenty-five ch' "
         "WHERE Collection = 'Plates' AND DataFieldNumber = 22");
    db->dm().LoadFieldLayout(QStringLiteral("Plates"));
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    FieldBox *box = form.OvcEdit[14];
    QCOMPARE(box->text(), QStringLiteral("Year Made"));
    QCOMPARE(box->pos(), QPoint(200, 336));
    QVERIFY(box->hiddenMark());
    QCOMPARE(box->palette().color(QPalette::Base), form.Page1->palette().color(QPalette::Mid));
    QVERIFY(!form.OvcEdit[13]->hiddenMark());
    QCOMPARE(form.OvcEdit[13]->palette().color(QPalette::Base), form.Page1->palette().color(QPalette::Base));
    QCOMPARE(box->caption()->pos(), QPoint(200, 336 - box->caption()->height() - 1));
    // A longer stored label is shown whole, so saving it unchanged does not cut it.
    QCOMPARE(form.OvcEdit[22]->text(), QStringLiteral("A label of twenty-five ch"));
    QCOMPARE(form.OvcEdit[21]->maxLength(), 20);
}

void TestTFieldConfigForm::tabOrderFollowsTheLayout()
{
    // Field 5 moved above all others on page 1 comes first; Name and Series follow.
    exec("UPDATE FieldSetup SET TopPosition = 16, LeftPosition = 400 WHERE Collection = 'Plates' AND "
         "DataFieldNumber = 5");
    db->dm().LoadFieldLayout(QStringLiteral("Plates"));
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto nextByTab = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    QCOMPARE(nextByTab(form.OvcEdit[5]), form.OvcEdit[0]);
    QCOMPARE(nextByTab(form.OvcEdit[0]), form.OvcEdit[1]);
    QCOMPARE(nextByTab(form.OvcEdit[4]), form.OvcEdit[6]);
    QCOMPARE(nextByTab(form.OvcEdit[21]), form.OvcEdit[22]);
    form.reject();
}

void TestTFieldConfigForm::dragFollowsPointerAndCorrectsDrop_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QPoint>("expected");
    // Field 1 starts at (184, 24), 161 wide; field 3 at (16, 72), 121 wide.
    QTest::newRow("past the right edge") << 1 << QPoint(216, 0) << false << QPoint(364, 24);
    QTest::newRow("past the right edge, snapped") << 1 << QPoint(216, 0) << true << QPoint(368, 24);
    QTest::newRow("past the bottom, snapped") << 3 << QPoint(0, 330) << true << QPoint(16, 392);
    QTest::newRow("above the page") << 3 << QPoint(0, -90) << true << QPoint(16, 16);
    QTest::newRow("left of the page") << 3 << QPoint(-50, 3) << false << QPoint(0, 75);
    QTest::newRow("snapped to the grid") << 3 << QPoint(37, 11) << true << QPoint(56, 80);
    QTest::newRow("exact without snapping") << 3 << QPoint(37, 11) << false << QPoint(53, 83);
}

void TestTFieldConfigForm::dragFollowsPointerAndCorrectsDrop()
{
    QFETCH(int, number);
    QFETCH(QPoint, offset);
    QFETCH(bool, snap);
    QFETCH(QPoint, expected);
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.RadioButton2->setChecked(true);
    form.CheckBox1->setChecked(snap);
    FieldBox *box = form.OvcEdit[size_t(number)];
    const QPoint start = box->pos();
    const QPoint grab = box->mapToGlobal(QPoint(10, 5));
    send(box, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    // While the button is held the box follows the pointer exactly, caption and all.
    send(box, QEvent::MouseMove, grab + QPoint(3, 2), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(box->pos(), start + QPoint(3, 2));
    send(box, QEvent::MouseMove, grab + offset, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(box->pos(), start + offset);
    if (box->caption())
        QCOMPARE(box->caption()->x(), box->x());
    send(box, QEvent::MouseButtonRelease, grab + offset, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(box->pos(), expected);
    if (box->caption())
        QCOMPARE(box->caption()->geometry().bottom() + 2, expected.y());
    QCOMPARE(box->text(), FieldCatalogue::defaultLabel(number)); // moving leaves the label alone
    // A later move without the button pressed does nothing.
    send(box, QEvent::MouseMove, grab + offset + QPoint(40, 40), Qt::NoButton, Qt::NoButton);
    QCOMPARE(box->pos(), expected);
}

void TestTFieldConfigForm::dragWithRealMouse()
{
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.RadioButton2->setChecked(true);
    FieldBox *box = form.OvcEdit[0];
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(box, QPoint(10 + 61, 10 + 101));
    QCOMPARE(box->pos(), QPoint(16 + 61, 24 + 101));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(box->pos(), QPoint(80, 128));
    form.reject();
}

void TestTFieldConfigForm::onlyLeftButtonActs_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("Edit Names") << 0;
    QTest::newRow("Arrange Fields") << 1;
    QTest::newRow("Show/Hide Fields") << 2;
}

void TestTFieldConfigForm::onlyLeftButtonActs()
{
    QFETCH(int, mode);
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    QRadioButton *modes[] = {form.RadioButton1, form.RadioButton2, form.RadioButton3};
    modes[mode]->setChecked(true);
    FieldBox *box = form.OvcEdit[7];
    const QPoint grab = box->mapToGlobal(QPoint(10, 5));
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        send(box, QEvent::MouseButtonPress, grab, button, button);
        send(box, QEvent::MouseMove, grab + QPoint(50, 50), Qt::NoButton, button);
        send(box, QEvent::MouseButtonRelease, grab + QPoint(50, 50), button, Qt::NoButton);
    }
    QCOMPARE(box->pos(), QPoint(16, 120));
    QVERIFY(!box->hiddenMark());
    QVERIFY(MessageSeam::asked().isEmpty());
    if (mode == 0) {
        // In Edit Names the left button does not move or hide either.
        send(box, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        send(box, QEvent::MouseMove, grab + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
        send(box, QEvent::MouseButtonRelease, grab + QPoint(50, 50), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(box->pos(), QPoint(16, 120));
        QVERIFY(!box->hiddenMark());
    }
}

void TestTFieldConfigForm::showHide()
{
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.RadioButton3->setChecked(true);
    for (int n : {16, 30}) {
        FieldBox *box = form.OvcEdit[size_t(n)];
        const QPoint at = box->mapToGlobal(QPoint(5, 5));
        send(box, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(box, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        QVERIFY(box->hiddenMark());
        QCOMPARE(box->palette().color(QPalette::Base), form.Page1->palette().color(QPalette::Mid));
        // The second press of a double click counts as a press.
        send(box, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!box->hiddenMark());
        QCOMPARE(box->palette().color(QPalette::Base), form.Page1->palette().color(QPalette::Base));
    }
    QVERIFY(MessageSeam::asked().isEmpty());
    FieldBox *name = form.OvcEdit[0];
    send(name, QEvent::MouseButtonPress, name->mapToGlobal(QPoint(5, 5)), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(!name->hiddenMark());
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("You can not hide a required field"));
    QCOMPARE(MessageSeam::asked().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestTFieldConfigForm::emptyLabelStopsSave_data()
{
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<int>("focused");
    QTest::newRow("first page") << QList<int>{12, 40} << 12;
    QTest::newRow("second page comes to the front") << QList<int>{40, 16} << 40;
}

void TestTFieldConfigForm::emptyLabelStopsSave()
{
    QFETCH(QList<int>, emptied);
    QFETCH(int, focused);
    const QString before = snapshot();
    const FieldLayoutTable layoutBefore = FieldLayout;
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.OvcNotebook1->setCurrentIndex(focused < 21 ? 1 : 0);
    form.OvcEdit[3]->setText(QStringLiteral("Retail"));
    form.OvcEdit[5]->setText(QStringLiteral(" ")); // a blank is a label
    for (int n : emptied)
        form.OvcEdit[size_t(n)]->clear();
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("A Value is Required for this Field"));
    QCOMPARE(form.OvcNotebook1->currentWidget(), focused < 21 ? form.Page1 : form.Page2);
    QCOMPARE(QApplication::focusWidget(), form.OvcEdit[size_t(focused)]);
    QCOMPARE(snapshot(), before);
    QCOMPARE(FieldLayout[3].Label, layoutBefore[3].Label);
    form.reject();
}

void TestTFieldConfigForm::saveWritesRowsAndCloseReloads()
{
    const QString coinsBefore = snapshot().split(u'\n').mid(46).join(u'\n');
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.OvcEdit[1]->setText(QStringLiteral("Pattern"));
    form.OvcEdit[5]->moveTo(QPoint(400, 8)); // above every other field of its page
    form.OvcEdit[16]->setText(QStringLiteral("ignored"));
    form.RadioButton3->setChecked(true);
    FieldBox *box = form.OvcEdit[18];
    send(box, QEvent::MouseButtonPress, box->mapToGlobal(QPoint(5, 5)), Qt::LeftButton, Qt::LeftButton);
    form.Button1Click();
    QVERIFY(MessageSeam::asked().isEmpty());

    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("SELECT DataFieldNumber, DataFieldLabel, LeftPosition, TopPosition, IsVisible FROM FieldSetup "
                   "WHERE Collection = 'Plates' AND DataFieldNumber IN (1, 5, 16, 18) ORDER BY DataFieldNumber"));
    QStringList rows;
    while (q.next())
        rows.append(QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                             q.value(4).toString()));
    QCOMPARE(rows, (QStringList{"1 Pattern 184 24 1", "5 Current Value 400 8 1", "16 DMeasure 184 264 1",
                                "18 WMeasure 416 264 0"}));
    QCOMPARE(snapshot().split(u'\n').mid(46).join(u'\n'), coinsBefore);
    QCOMPARE(FieldLayout[1].Label, QStringLiteral("Pattern"));
    QCOMPARE(FieldLayout[18].IsVisible, false);
    QVERIFY(!db->dm().FieldSetupTable->isOpen());
    QVERIFY(!db->dm().FieldSetupTable->filtered());

    // Closing reloads the layout, so the moved field is now first in tab order.
    form.reject();
    QCOMPARE(FieldLayout[5].TabOrder, 0);
    QCOMPARE(FieldLayout[0].TabOrder, 1);
}

void TestTFieldConfigForm::closeWithoutSaveKeepsTable()
{
    const QString before = snapshot();
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    form.OvcEdit[0]->setText(QStringLiteral("Title"));
    form.OvcEdit[0]->moveTo(QPoint(300, 300));
    form.ControlsToLayout(); // even a layout changed in memory is put back on close
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Title"));
    form.Button2->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(snapshot(), before);
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Name"));
    QCOMPARE(FieldLayout[0].LeftPosition, 16);
}

void TestTFieldConfigForm::failedSaveChangesNoRow()
{
    exec("CREATE TRIGGER refuse BEFORE UPDATE ON FieldSetup WHEN NEW.DataFieldNumber = 40 "
         "BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    const QString before = snapshot();
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    for (FieldBox *box : form.OvcEdit)
        box->setText(box->text() + QStringLiteral("!"));
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
    QVERIFY(MessageSeam::asked().first().text.contains(QStringLiteral("disk is full")));
    QCOMPARE(snapshot(), before);
    QVERIFY(!db->dm().FieldSetupTable->isOpen());
    form.reject();
    QCOMPARE(FieldLayout[1].Label, QStringLiteral("Series"));
}

void TestTFieldConfigForm::firstActivationMovesDown()
{
    TFieldConfigForm form(nullptr, QStringLiteral("Plates"));
    const QPoint start = form.pos();
    form.FormActivate();
    QCOMPARE(form.pos(), start + QPoint(0, 25));
    form.FormActivate();
    QCOMPARE(form.pos(), start + QPoint(0, 25));
}

QTEST_MAIN(TestTFieldConfigForm)
#include "TestTFieldConfigForm.moc"
