#include "app/TextHelpers.h"
#include "exchange/CurrencyText.h"

#include <QRandomGenerator>
#include <QTest>

class TestCurrencyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void writesAndReadsAsTheLocaleDoes_data();
    void writesAndReadsAsTheLocaleDoes();
    void readsOnlyTheExactText_data();
    void readsOnlyTheExactText();
    void fits_data();
    void fits();
};

namespace {

// Whole-cent amounts of every size up to the limit, both signs.
QList<Money> amounts()
{
    QRandomGenerator random(2024);
    QList<Money> list{Money(), Money::fromUnits(100), Money::fromUnits(-100),
                      Money::fromUnits(CurrencyText::Limit - 100), Money::fromUnits(-(CurrencyText::Limit - 100))};
    for (int i = 0; i < 3000; ++i) {
        const int digits = random.bounded(1, 15);
        qint64 cents = 0;
        for (int d = 0; d < digits; ++d)
            cents = cents * 10 + random.bounded(10);
        list.append(Money::fromUnits((random.bounded(2) ? -cents : cents) * 100));
    }
    return list;
}

} // namespace

void TestCurrencyText::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCurrencyText::writesAndReadsAsTheLocaleDoes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("mustBeUsable");

    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << true;
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << true;
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << true;
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << true;
    QTest::newRow("de_CH") << QLocale(QLocale::German, QLocale::Switzerland) << true;
    QTest::newRow("da_DK") << QLocale(QLocale::Danish, QLocale::Denmark) << true;
    QTest::newRow("nl_NL") << QLocale(QLocale::Dutch, QLocale::Netherlands) << true;
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << true;
    // Grouping by two and other digits: the form may not be learned, and then nothing is read.
    QTest::newRow("en_IN") << QLocale(QLocale::English, QLocale::India) << false;
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt) << false;
}

// Whatever it writes is Money::toCurrencyString's text, and reading it gives the amount back, as
// TextToMoney does.
void TestCurrencyText::writesAndReadsAsTheLocaleDoes()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, mustBeUsable);

    QLocale::setDefault(locale);
    const CurrencyText currency(locale);
    if (mustBeUsable)
        QVERIFY(currency.usable());
    for (const Money amount : amounts()) {
        const QString expected = amount.toCurrencyString(locale);
        if (!currency.usable()) {
            QVERIFY(!currency.read(expected));
            continue;
        }
        QCOMPARE(currency.text(amount), expected);
        QCOMPARE(currency.read(expected), std::optional<Money>(amount));
        QCOMPARE(Money::fromText(TextToMoney(expected)), std::optional<Money>(amount));
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCurrencyText::readsOnlyTheExactText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("cents"); // -1: nothing

    QTest::newRow("plain") << "$12.50" << qint64(1250);
    QTest::newRow("grouped") << "$1,234,567.89" << qint64(123456789);
    QTest::newRow("negative") << "($5.25)" << qint64(-525);
    QTest::newRow("zero") << "$0.00" << qint64(0);
    QTest::newRow("negative zero") << "($0.00)" << qint64(-1);
    QTest::newRow("misplaced separator") << "$1,23.45" << qint64(-1);
    QTest::newRow("separator first") << "$,123.45" << qint64(-1);
    QTest::newRow("no separator") << "$1234.50" << qint64(-1);
    QTest::newRow("leading zero") << "$01.00" << qint64(-1);
    QTest::newRow("one decimal") << "$1,234.5" << qint64(-1);
    QTest::newRow("three decimals") << "$1.500" << qint64(-1);
    QTest::newRow("no symbol") << "1,234.50" << qint64(-1);
    QTest::newRow("blank after symbol") << "$ 1.00" << qint64(-1);
    QTest::newRow("minus form") << "-$1.00" << qint64(-1);
    QTest::newRow("trailing blank") << "$1.00 " << qint64(-1);
    QTest::newRow("symbol only") << "$" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
}

void TestCurrencyText::readsOnlyTheExactText()
{
    QFETCH(QString, text);
    QFETCH(qint64, cents);

    const CurrencyText currency(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(currency.usable());
    const std::optional<Money> read = currency.read(text);
    if (cents == -1) {
        QVERIFY2(!read, qPrintable(text));
        return;
    }
    QCOMPARE(read, std::optional<Money>(Money::fromUnits(cents * 100)));
}

void TestCurrencyText::fits_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<bool>("fits");

    QTest::newRow("whole cents") << qint64(12500) << true;
    QTest::newRow("part of a cent") << qint64(12501) << false;
    QTest::newRow("tenth of a cent") << qint64(-10) << false;
    QTest::newRow("largest") << CurrencyText::Limit - 100 << true;
    QTest::newRow("limit") << CurrencyText::Limit << false;
    QTest::newRow("negative limit") << -CurrencyText::Limit << false;
}

void TestCurrencyText::fits()
{
    QFETCH(qint64, units);
    QFETCH(bool, fits);
    QCOMPARE(CurrencyText::fits(Money::fromUnits(units)), fits);
}

QTEST_GUILESS_MAIN(TestCurrencyText)
#include "TestCurrencyText.moc"
