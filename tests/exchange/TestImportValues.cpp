#include "app/TextHelpers.h"
#include "exchange/CurrencyText.h"
#include "exchange/ImportValues.h"

#include <QTest>

class TestImportValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void cut_data();
    void cut();
    void money_data();
    void money();
};

void TestImportValues::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestImportValues::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shorter") << "Mug" << 30 << "Mug";
    QTest::newRow("exactly") << "abc" << 3 << "abc";
    QTest::newRow("longer") << "Inches" << 3 << "Inc";
    QTest::newRow("blanks kept") << " a b " << 4 << " a b";
    QTest::newRow("letter of two units kept whole") << "ab😀" << 4 << "ab😀";
    QTest::newRow("letter of two units not split") << "ab😀" << 3 << "ab";
    QTest::newRow("empty") << "" << 3 << "";
}

void TestImportValues::cut()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(ImportValues::cut(text, length), expected);
}

void TestImportValues::money_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // plain amount, or "none"

    QTest::newRow("empty") << ""
                           << "0.00";
    QTest::newRow("blanks") << "   "
                            << "0.00";
    QTest::newRow("plain") << "12.5"
                           << "12.50";
    QTest::newRow("plain negative") << "-5.25"
                                    << "-5.25";
    QTest::newRow("plain tiny") << "0.0001"
                                << "0.0001";
    QTest::newRow("currency text") << "$1,234.50"
                                   << "1234.50";
    QTest::newRow("currency negative") << "($5.25)"
                                       << "-5.25";
    QTest::newRow("minus before symbol") << "-$5.25"
                                         << "-5.25";
    QTest::newRow("grouping off") << "$1234.50"
                                  << "1234.50";
    QTest::newRow("letters") << "abc"
                             << "0.00";
    QTest::newRow("two points") << "1.2.3"
                                << "0.00";
    QTest::newRow("too large") << "123456789012345678901"
                               << "none";
    QTest::newRow("too large as currency") << "$99,999,999,999,999,999,999.00"
                                           << "none";
}

// The quick way for currency text gives what TextToMoney gives, and both agree with the table.
void TestImportValues::money()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const std::optional<Money> wanted = expected == u"none" ? std::nullopt : Money::fromText(expected);
    const CurrencyText currency;
    QCOMPARE(ImportValues::money(text), wanted);
    QCOMPARE(ImportValues::money(text, &currency), wanted);
    QCOMPARE(Money::fromText(TextToMoney(text)), wanted);
}

QTEST_GUILESS_MAIN(TestImportValues)
#include "TestImportValues.moc"
