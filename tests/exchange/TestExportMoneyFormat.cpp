#include "exchange/CurrencyText.h"
#include "exchange/ExportMoneyFormat.h"
#include "exchange/ImportValues.h"

#include <QRandomGenerator>
#include <QTest>

class TestExportMoneyFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void text_data();
    void text();
    void readsBackExactly_data();
    void readsBackExactly();
};

void TestExportMoneyFormat::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestExportMoneyFormat::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestExportMoneyFormat::text_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << "0"
                          << "$0.00";
    QTest::newRow("two decimals") << "12.5"
                                  << "$12.50";
    QTest::newRow("thousands") << "1234.5"
                               << "$1,234.50";
    QTest::newRow("negative") << "-5.25"
                              << "($5.25)";
    QTest::newRow("largest with currency text") << "999999999999.99"
                                                << "$999,999,999,999.99";
    QTest::newRow("tenth of a cent, plain") << "0.001"
                                            << "0.001";
    QTest::newRow("tiny, plain") << "0.0001"
                                 << "0.0001";
    QTest::newRow("negative tiny, plain") << "-0.0001"
                                          << "-0.0001";
    QTest::newRow("four decimals, plain") << "-1234.5678"
                                          << "-1234.5678";
    QTest::newRow("too large for currency text, plain") << "1000000000000"
                                                        << "1000000000000.00";
    QTest::newRow("largest amount, plain") << "92233720368547.75"
                                           << "92233720368547.75";
}

void TestExportMoneyFormat::text()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(ExportMoneyFormat().text(Money::fromText(amount).value()), expected);
}

void TestExportMoneyFormat::readsBackExactly_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("de_CH") << QLocale(QLocale::German, QLocale::Switzerland);
    QTest::newRow("en_IN") << QLocale(QLocale::English, QLocale::India);
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

// Every amount the export writes, in any locale, reads back as the same amount, by the import's
// quick way and by TextToMoney alone.
void TestExportMoneyFormat::readsBackExactly()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const ExportMoneyFormat format;
    const CurrencyText currency;
    QRandomGenerator random(77);
    QList<qint64> units{0, 1, -1, 50, 100, -100, 12345600, Q_INT64_C(9223372036854775) * 100, CurrencyText::Limit};
    for (int i = 0; i < 2000; ++i) {
        const int digits = random.bounded(1, 18);
        qint64 value = 0;
        for (int d = 0; d < digits; ++d)
            value = value * 10 + random.bounded(10);
        if (random.bounded(3) == 0)
            value -= value % 100;
        units.append(random.bounded(2) ? -value : value);
    }
    for (const qint64 u : units) {
        const Money amount = Money::fromUnits(u);
        const QString written = format.text(amount);
        QCOMPARE(ImportValues::money(written, &currency), std::optional<Money>(amount));
        QCOMPARE(ImportValues::money(written), std::optional<Money>(amount));
    }
}

QTEST_GUILESS_MAIN(TestExportMoneyFormat)
#include "TestExportMoneyFormat.moc"
