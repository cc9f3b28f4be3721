#include "store/Money.h"

#include <QTest>

class TestMoney : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void fromText_data();
    void fromText();
    void sumsAreExact();
    void currencyText_data();
    void currencyText();
};

void TestMoney::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("plain");
    QTest::newRow("whole") << "12" << true << qint64(120000) << "12.00";
    QTest::newRow("cents") << "1234.50" << true << qint64(12345000) << "1234.50";
    QTest::newRow("four decimals") << "0.1234" << true << qint64(1234) << "0.1234";
    QTest::newRow("fifth rounds up") << "0.00005" << true << qint64(1) << "0.0001";
    QTest::newRow("fifth rounds down") << "0.00004" << true << qint64(0) << "0.00";
    QTest::newRow("negative half away from zero") << "-0.00005" << true << qint64(-1) << "-0.0001";
    QTest::newRow("negative") << "-5.25" << true << qint64(-52500) << "-5.25";
    QTest::newRow("leading point") << ".5" << true << qint64(5000) << "0.50";
    QTest::newRow("trailing point") << "7." << true << qint64(70000) << "7.00";
    QTest::newRow("blanks around") << "  3.1  " << true << qint64(31000) << "3.10";
    QTest::newRow("large") << "123456789012.99" << true << qint64(1234567890129900) << "123456789012.99";
    QTest::newRow("empty") << "" << false << qint64(0) << "";
    QTest::newRow("letters") << "abc" << false << qint64(0) << "";
    QTest::newRow("two points") << "1.2.3" << false << qint64(0) << "";
    QTest::newRow("sign only") << "-" << false << qint64(0) << "";
    QTest::newRow("too large") << "99999999999999999999" << false << qint64(0) << "";
}

void TestMoney::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<Money> m = Money::fromText(text);
    QCOMPARE(m.has_value(), valid);
    if (!valid)
        return;
    QTEST(m->units(), "units");
    QTEST(m->toPlainString(), "plain");
    QCOMPARE(Money::fromText(m->toPlainString()), m);
}

void TestMoney::sumsAreExact()
{
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += *Money::fromText(QStringLiteral("0.1"));
    QCOMPARE(sum, Money::fromWhole(1));

    Money big;
    for (int i = 0; i < 100000; ++i)
        big += *Money::fromText(QStringLiteral("1234.5678"));
    QCOMPARE(big.units(), qint64(12345678) * 100000);
    QCOMPARE(big.toPlainString(), QStringLiteral("123456780.00"));
}

void TestMoney::currencyText_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("shown");
    QTest::newRow("cents") << "1234.5"
                           << "$1,234.50";
    QTest::newRow("half cent away from zero") << "0.005"
                                              << "$0.01";
    QTest::newRow("below half cent") << "0.0049"
                                     << "$0.00";
    QTest::newRow("negative half cent") << "-0.005"
                                        << "($0.01)";
    QTest::newRow("zero") << "0"
                          << "$0.00";
}

void TestMoney::currencyText()
{
    QFETCH(QString, amount);
    QTEST(Money::fromText(amount)->toCurrencyString(), "shown");
}

QTEST_GUILESS_MAIN(TestMoney)
#include "TestMoney.moc"
