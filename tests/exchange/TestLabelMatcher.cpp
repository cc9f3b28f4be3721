#include "exchange/LabelMatcher.h"
#include "store/FieldCatalogue.h"

#include <QTest>

class TestLabelMatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void positions_data();
    void positions();
};

void TestLabelMatcher::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestLabelMatcher::positions_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("positions"); // empty: refused
    QTest::addColumn<QString>("unknown");

    QTest::newRow("in any order") << QStringList{"Notes", "Name", "Retail Price"} << QList<int>{46, 0, 3} << "";
    QTest::newRow("case and blanks do not count") << QStringList{" name ", "RETAIL PRICE"} << QList<int>{0, 3} << "";
    QTest::newRow("an entry with blanks at its ends") << QStringList{"Spaced"} << QList<int>{23} << "";
    QTest::newRow("equal labels name their fields in turn")
        << QStringList{"Twin", "Twin", "Twin"} << QList<int>{21, 22, 21} << "";
    QTest::newRow("ignore entries") << QStringList{"Name", "Ignore_Field01", "ignore_field01"} << QList<int>{0, 47, 47}
                                    << "";
    QTest::newRow("unknown label") << QStringList{"Name", "Colour", "Weight"} << QList<int>{} << "Colour";
}

void TestLabelMatcher::positions()
{
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, positions);
    QFETCH(QString, unknown);

    QStringList fieldLabels;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        fieldLabels.append(FieldCatalogue::defaultLabel(n));
    fieldLabels[21] = QStringLiteral("Twin");
    fieldLabels[22] = QStringLiteral("TWIN");
    fieldLabels[23] = QStringLiteral(" Spaced ");
    const EntryCatalogue catalogue(fieldLabels, EntryCatalogue::Use::Import);
    QString reported;
    const std::optional<QList<int>> found = LabelMatcher(catalogue).positions(labels, &reported);
    if (positions.isEmpty()) {
        QVERIFY(!found);
        QCOMPARE(reported, unknown);
    } else {
        QCOMPARE(found, std::optional<QList<int>>(positions));
    }
}

QTEST_GUILESS_MAIN(TestLabelMatcher)
#include "TestLabelMatcher.moc"
