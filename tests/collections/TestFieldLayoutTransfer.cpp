#include "collections/FieldBoxCatalogue.h"
#include "collections/FieldLayoutTransfer.h"

#include <QLocale>
#include <QRect>
#include <QTest>

class TestFieldLayoutTransfer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void roundTrip();
    void controlsToLayout();
    void firstEmptyLabel_data();
    void firstEmptyLabel();
    void defaultBoxesFitTheirPages();

private:
    static FieldBoxStates filledBoxes();
};

FieldBoxStates TestFieldLayoutTransfer::filledBoxes()
{
    FieldBoxStates boxes;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        boxes[size_t(n)] = {FieldCatalogue::defaultLabel(n), QPoint(n, 2 * n), false};
    return boxes;
}

void TestFieldLayoutTransfer::roundTrip()
{
    FieldLayoutTable layout;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        layout[size_t(n)] = {QStringLiteral("L%1").arg(n), 10 + n, 20 + n, n % 7, n % 3 != 0};
    const FieldBoxStates boxes = FieldLayoutTransfer::LayoutToControls(layout);
    QCOMPARE(boxes[4].text, QStringLiteral("L4"));
    QCOMPARE(boxes[4].position, QPoint(14, 24));
    QCOMPARE(boxes[3].hidden, true);
    QCOMPARE(boxes[4].hidden, false);

    FieldLayoutTable copy = layout;
    FieldLayoutTransfer::ControlsToLayout(boxes, copy);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        if (FieldBoxCatalogue::isReadOnly(n))
            continue;
        QCOMPARE(copy[size_t(n)].Label, layout[size_t(n)].Label);
        QCOMPARE(copy[size_t(n)].LeftPosition, layout[size_t(n)].LeftPosition);
        QCOMPARE(copy[size_t(n)].TopPosition, layout[size_t(n)].TopPosition);
        QCOMPARE(copy[size_t(n)].IsVisible, layout[size_t(n)].IsVisible);
    }
}

void TestFieldLayoutTransfer::controlsToLayout()
{
    FieldBoxStates boxes = filledBoxes();
    boxes[7].text = QString(35, u'x');
    boxes[16].text = QStringLiteral("Size unit");
    boxes[18].text.clear();
    boxes[20].hidden = true;
    FieldLayoutTable layout;
    layout[9].TabOrder = 5;
    FieldLayoutTransfer::ControlsToLayout(boxes, layout);
    QCOMPARE(layout[7].Label, QString(30, u'x'));
    QCOMPARE(layout[16].Label, QStringLiteral("DMeasure"));
    QCOMPARE(layout[18].Label, QStringLiteral("WMeasure"));
    QCOMPARE(layout[20].IsVisible, false);
    QCOMPARE(layout[19].IsVisible, true);
    QCOMPARE(layout[45].LeftPosition, 45);
    QCOMPARE(layout[45].TopPosition, 90);
    QCOMPARE(layout[9].TabOrder, 5);
}

void TestFieldLayoutTransfer::firstEmptyLabel_data()
{
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<int>("expected");
    QTest::newRow("all labels there") << QList<int>{} << -1;
    QTest::newRow("Name") << QList<int>{0} << 0;
    QTest::newRow("on the second page") << QList<int>{30} << 30;
    QTest::newRow("the first in number order") << QList<int>{44, 22, 31} << 22;
    QTest::newRow("measure units are not looked at") << QList<int>{16, 18} << -1;
    QTest::newRow("after a measure unit") << QList<int>{16, 40} << 40;
}

void TestFieldLayoutTransfer::firstEmptyLabel()
{
    QFETCH(QList<int>, emptied);
    QFETCH(int, expected);
    FieldBoxStates boxes = filledBoxes();
    boxes[5].text = QStringLiteral(" "); // a blank is a label
    for (int n : emptied)
        boxes[size_t(n)].text.clear();
    QCOMPARE(FieldLayoutTransfer::firstEmptyLabel(boxes), expected);
}

void TestFieldLayoutTransfer::defaultBoxesFitTheirPages()
{
    // Every box of the default setup lies on its page, below room for its caption, and no two overlap.
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        const QRect box(FieldCatalogue::defaultLeft(n), FieldCatalogue::defaultTop(n), FieldBoxCatalogue::width(n),
                        FieldBoxCatalogue::Height);
        QVERIFY2(box.right() < 526 && box.bottom() < 410 && box.top() >= 16, qPrintable(QString::number(n)));
        QCOMPARE(FieldBoxCatalogue::hasCaption(n), n != 16 && n != 18);
        for (int m = n + 1; m < FieldCatalogue::FieldCount; ++m) {
            const QRect other(FieldCatalogue::defaultLeft(m), FieldCatalogue::defaultTop(m),
                              FieldBoxCatalogue::width(m), FieldBoxCatalogue::Height);
            if (FieldCatalogue::page(n) == FieldCatalogue::page(m))
                QVERIFY2(!box.intersects(other), qPrintable(QStringLiteral("%1 and %2").arg(n).arg(m)));
        }
    }
    QCOMPARE(FieldBoxCatalogue::caption(43), QStringLiteral("CheckBox1"));
    QCOMPARE(FieldBoxCatalogue::caption(36), QStringLiteral("Number4"));
}

QTEST_GUILESS_MAIN(TestFieldLayoutTransfer)
#include "TestFieldLayoutTransfer.moc"
