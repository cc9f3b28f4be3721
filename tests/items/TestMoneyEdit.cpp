#include "items/MoneyEdit.h"

#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

class TestMoneyEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void typing_data();
    void typing();
    void showsAndGivesBackExactly();
    void enteringSelectsEverything();
    void leavingTidiesTheText();
};

void TestMoneyEdit::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<int>("beeps");
    QTest::newRow("amount beyond 99,999.99") << "1234567.89"
                                             << "1234567.89" << qint64(12345678900) << 0;
    QTest::newRow("letters refused") << "12ab3"
                                     << "123" << qint64(1230000) << 2;
    QTest::newRow("fifth decimal refused") << "1.23456"
                                           << "1.2345" << qint64(12345) << 1;
    QTest::newRow("second point refused") << "1.2.3"
                                          << "1.23" << qint64(12300) << 1;
    QTest::newRow("sign alone is zero") << "-"
                                        << "-" << qint64(0) << 0;
    QTest::newRow("negative") << "-5.25"
                              << "-5.25" << qint64(-52500) << 0;
}

void TestMoneyEdit::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(qint64, units);
    QFETCH(int, beeps);
    MoneyEdit edit;
    QSignalSpy rejected(&edit, &QLineEdit::inputRejected);
    edit.clear();
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.value(), Money::fromUnits(units));
    QCOMPARE(rejected.count(), beeps);
}

void TestMoneyEdit::showsAndGivesBackExactly()
{
    MoneyEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("$0.00"));
    for (const qint64 units : {qint64(125000), qint64(12345678), qint64(-1), qint64(99999999999999999)}) {
        edit.setValue(Money::fromUnits(units));
        QCOMPARE(edit.value(), Money::fromUnits(units));
    }
    edit.setValue(Money::fromUnits(125000));
    QCOMPARE(edit.text(), QStringLiteral("$12.50"));
    edit.clear();
    QCOMPARE(edit.value(), Money());
}

void TestMoneyEdit::enteringSelectsEverything()
{
    MoneyEdit edit;
    edit.setValue(Money::fromUnits(12345678));
    edit.deselect();
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &in);
    QCOMPARE(edit.selectedText(), edit.text());
    QTest::keyClicks(&edit, "7");
    QCOMPARE(edit.value(), Money::fromWhole(7));
}

void TestMoneyEdit::leavingTidiesTheText()
{
    MoneyEdit edit;
    edit.clear();
    QTest::keyClicks(&edit, "1234.5");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    QCOMPARE(edit.text(), QStringLiteral("$1,234.50"));
    edit.clear();
    QApplication::sendEvent(&edit, &out);
    QCOMPARE(edit.text(), QStringLiteral("$0.00"));
}

QTEST_MAIN(TestMoneyEdit)
#include "TestMoneyEdit.moc"
