#include "app/TextHelpers.h"
#include "store/Money.h"

#include <QLocale>
#include <QTest>

class TestTextHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void quoting();
    void csvField_data();
    void csvField();
    void stripSingleQuotes_data();
    void stripSingleQuotes();
    void textToBool_data();
    void textToBool();
    void textToMoney_data();
    void textToMoney();
    void textToMoneyInLocale_data();
    void textToMoneyInLocale();
    void textToMoneyReadsLocaleCurrencyText_data();
    void textToMoneyReadsLocaleCurrencyText();
};

namespace {

const QLocale UsEnglish(QLocale::English, QLocale::UnitedStates);

// A row of a table with a text column and an expected text column.
void AddRow(const char *name, const char *text, const char *expected)
{
    QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

// The same with a locale column first.
void AddRow(const QLocale &locale, const char *name, const char *text, const char *expected)
{
    QTest::newRow(name) << locale << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

} // namespace

void TestTextHelpers::initTestCase()
{
    QLocale::setDefault(UsEnglish);
}

void TestTextHelpers::cleanup()
{
    QLocale::setDefault(UsEnglish);
}

void TestTextHelpers::quoting()
{
    QCOMPARE(QuoteSingle(QStringLiteral("Coins")), QStringLiteral("'Coins'"));
    QCOMPARE(QuoteSingle(QString()), QStringLiteral("''"));
    QCOMPARE(QuoteDouble(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));
    // Neither escapes what is inside.
    QCOMPARE(QuoteSingle(QStringLiteral("a'b")), QStringLiteral("'a'b'"));
    QCOMPARE(QuoteDouble(QStringLiteral("a\"b")), QStringLiteral("\"a\"b\""));
}

void TestTextHelpers::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    AddRow("plain", "Silver dollar", "Silver dollar");
    AddRow("empty", "", "");
    AddRow("blanks kept", "  a b  ", "  a b  ");
    AddRow("comma", "Smith, John", "\"Smith, John\"");
    AddRow("quote doubled", "12\" ruler", "\"12\"\" ruler\"");
    AddRow("comma and quotes", "\"Mint\", boxed", "\"\"\"Mint\"\", boxed\"");
    AddRow("line feed", "line 1\nline 2", "\"line 1\nline 2\"");
    AddRow("carriage return", "line 1\r\nline 2", "\"line 1\r\nline 2\"");
    AddRow("single quote", "O'Brien", "O'Brien");
}

void TestTextHelpers::csvField()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CsvField(text), expected);
}

void TestTextHelpers::stripSingleQuotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    AddRow("none", "Stamps", "Stamps");
    AddRow("three apostrophes", "'Tom's' coins", "Toms coins");
    AddRow("only quotes", "'''", "");
    AddRow("double quotes stay", "\"x\" 'y'", "\"x\" y");
}

void TestTextHelpers::stripSingleQuotes()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(StripSingleQuotes(text), expected);
}

void TestTextHelpers::textToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "  " << false;
    QTest::newRow("leading blank") << " yes" << false;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("True") << "True" << true;
    QTest::newRow("t") << "t" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("Y with trailing blank") << "Y " << true;
    QTest::newRow("no") << "no" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("x") << "x" << false;
    QTest::newRow("10 starts with 1") << "10" << true;
}

void TestTextHelpers::textToBool()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(TextToBool(text), expected);
}

void TestTextHelpers::textToMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    AddRow("currency and thousands", "$1,234.50", "1234.50");
    AddRow("whole, not reformatted", "12", "12");
    AddRow("minus kept", "-5.25", "-5.25");
    AddRow("parentheses", "($5.25)", "-5.25");
    AddRow("currency negative", "-$1,234.56", "-1234.56");
    AddRow("surrounding blanks", "  7.5  ", "7.5");
    AddRow("letters", "abc", "0.00");
    AddRow("two points", "1.2.3", "0.00");
    AddRow("empty", "", "0.00");
    AddRow("blanks", "   ", "0.00");
    AddRow("point only", "$.", "0.00");
    AddRow("negative zero", "-0.00", "0.00");
}

void TestTextHelpers::textToMoney()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TextToMoney(text), expected);
}

void TestTextHelpers::textToMoneyInLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    AddRow(german, "de: currency text", "1.234,50 €", "1234.50");
    AddRow(german, "de: negative currency text", "-1.234,50 €", "-1234.50");
    AddRow(german, "de: plain text from a file", "1234.50", "1234.50");
    AddRow(german, "de: whole", "12", "12");
    const QLocale danish(QLocale::Danish, QLocale::Denmark);
    AddRow(danish, "da: symbol with a point", "1.234,50 kr.", "1234.50");
    AddRow(danish, "da: iso code", "DKK 0,05", "0.05");
}

void TestTextHelpers::textToMoneyInLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    QCOMPARE(TextToMoney(text), expected);
}

// Whatever the locale writes as a currency amount reads back as the same amount.
void TestTextHelpers::textToMoneyReadsLocaleCurrencyText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("amount");

    const QList<QLocale> locales = {UsEnglish,
                                    QLocale(QLocale::English, QLocale::UnitedKingdom),
                                    QLocale(QLocale::German, QLocale::Germany),
                                    QLocale(QLocale::French, QLocale::France),
                                    QLocale(QLocale::German, QLocale::Switzerland),
                                    QLocale(QLocale::Danish, QLocale::Denmark),
                                    QLocale(QLocale::Swedish, QLocale::Sweden),
                                    QLocale(QLocale::Dutch, QLocale::Netherlands),
                                    QLocale(QLocale::Japanese, QLocale::Japan)};
    for (const QLocale &locale : locales) {
        for (const char *amount : {"1234567.89", "-1234.56", "0.05"})
            QTest::addRow("%s %s", qPrintable(locale.name()), amount) << locale << QString::fromLatin1(amount);
    }
}

void TestTextHelpers::textToMoneyReadsLocaleCurrencyText()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, amount);
    QLocale::setDefault(locale);
    const Money money = Money::fromText(amount).value();
    const QString written = money.toCurrencyString();
    QCOMPARE(TextToMoney(written), money.toPlainString());
}

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "TestTextHelpers.moc"
