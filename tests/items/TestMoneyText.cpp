#include "items/MoneyText.h"

#include <QTest>

Q_DECLARE_METATYPE(MoneyText::Validity)

class TestMoneyText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void format_data();
    void format();
    void readsBackExactly_data();
    void readsBackExactly();
    void parse_data();
    void parse();
    void validate_data();
    void validate();
};

void TestMoneyText::format_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << qint64(0) << "$0.00";
    QTest::newRow("two decimals shown") << qint64(125000) << "$12.50";
    QTest::newRow("four decimals kept") << qint64(12345678) << "$1,234.5678";
    QTest::newRow("one ten-thousandth") << qint64(1) << "$0.0001";
    QTest::newRow("beyond the old picture") << qint64(1234567891200) << "$123,456,789.12";
    QTest::newRow("negative, as the locale writes it") << qint64(-52500) << "($5.25)";
}

void TestMoneyText::format()
{
    QFETCH(qint64, units);
    QFETCH(QString, expected);
    QCOMPARE(MoneyText::format(Money::fromUnits(units)), expected);
}

void TestMoneyText::readsBackExactly_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("units");
    const QList<QLocale> locales = {
        QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Danish, QLocale::Denmark)};
    const QList<qint64> amounts = {0, 1, 125000, -52500, 12345678, -1, 99999999999999999};
    for (const QLocale &locale : locales)
        for (const qint64 units : amounts)
            QTest::addRow("%s %lld", qPrintable(locale.name()), units) << locale << units;
}

void TestMoneyText::readsBackExactly()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, units);
    const QString text = MoneyText::format(Money::fromUnits(units), locale);
    QCOMPARE(MoneyText::validate(text, locale), MoneyText::Validity::Acceptable);
    const std::optional<Money> back = MoneyText::parse(text, locale);
    QVERIFY2(back.has_value(), qPrintable(text));
    QCOMPARE(back->units(), units);
}

void TestMoneyText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");
    QTest::newRow("empty is zero") << "" << true << qint64(0);
    QTest::newRow("blanks are zero") << "   " << true << qint64(0);
    QTest::newRow("symbol alone is zero") << "$" << true << qint64(0);
    QTest::newRow("sign alone is zero") << "-" << true << qint64(0);
    QTest::newRow("plain") << "12.5" << true << qint64(125000);
    QTest::newRow("leading point") << ".25" << true << qint64(2500);
    QTest::newRow("currency text") << "$1,234.50" << true << qint64(12345000);
    QTest::newRow("misplaced separators") << "1,23,4" << true << qint64(12340000);
    QTest::newRow("above 99,999.99") << "250000" << true << qint64(2500000000);
    QTest::newRow("minus") << "-$5.25" << true << qint64(-52500);
    QTest::newRow("parentheses") << "($5.25)" << true << qint64(-52500);
    QTest::newRow("four decimals") << "0.0001" << true << qint64(1);
    QTest::newRow("five decimals") << "1.23456" << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("two points") << "1.2.3" << false << qint64(0);
    QTest::newRow("two signs") << "--5" << false << qint64(0);
    QTest::newRow("too many digits") << "12345678901234" << false << qint64(0);
}

void TestMoneyText::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    const std::optional<Money> amount = MoneyText::parse(text);
    QCOMPARE(amount.has_value(), valid);
    if (valid)
        QCOMPARE(amount->units(), units);
}

void TestMoneyText::validate_data()
{
    using V = MoneyText::Validity;
    QTest::addColumn<QString>("text");
    QTest::addColumn<MoneyText::Validity>("expected");
    QTest::newRow("empty") << "" << V::Acceptable;
    QTest::newRow("digits") << "12" << V::Acceptable;
    QTest::newRow("trailing point") << "12." << V::Acceptable;
    QTest::newRow("thirteen digits") << "1234567890123" << V::Acceptable;
    QTest::newRow("sign being typed") << "-" << V::Intermediate;
    QTest::newRow("open parenthesis") << "(5" << V::Intermediate;
    QTest::newRow("symbol being typed") << "$" << V::Intermediate;
    QTest::newRow("fifth decimal") << "1.00001" << V::Invalid;
    QTest::newRow("letter") << "1x" << V::Invalid;
    QTest::newRow("fourteen digits") << "12345678901234" << V::Invalid;
    QTest::newRow("close without open") << "5)" << V::Invalid;
}

void TestMoneyText::validate()
{
    QFETCH(QString, text);
    QFETCH(MoneyText::Validity, expected);
    QCOMPARE(MoneyText::validate(text), expected);
}

QTEST_GUILESS_MAIN(TestMoneyText)
#include "TestMoneyText.moc"
