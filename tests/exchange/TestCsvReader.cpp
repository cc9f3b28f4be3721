#include "exchange/CsvReader.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

class TestCsvReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void records_data();
    void records();
    void simpleLinesReadAsTheLineRuleReadsThem();
    void lines_data();
    void lines();
    void readsRecordByRecord();
    void encoding_data();
    void encoding();
    void files_data();
    void files();
    void refusesWhatItCannotRead();
    void pathological_data();
    void pathological();
};

namespace {

using Records = QList<QStringList>;

bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > u' ')
            return false;
    }
    return true;
}

// The import's line rule of old, kept here as the reference for simple lines: cut one line into
// k values, a double quote opening a value only as the first character of the rest, the first
// quote after it closing it, the character after the closing quote dropped as the separator.
QStringList lineRule(QString rest, int k)
{
    QStringList values;
    for (int j = 0; j < k; ++j) {
        if (isBlank(rest)) {
            values.append(QString());
            continue;
        }
        const bool quoted = rest.startsWith(u'"');
        if (quoted)
            rest.remove(0, 1);
        const qsizetype end = rest.indexOf(quoted ? u'"' : u',');
        values.append(end < 0 ? rest : rest.left(end));
        rest = end < 0 ? QString() : rest.mid(end + (quoted ? 2 : 1));
    }
    return values;
}

QString pick(QRandomGenerator &random, const QStringList &pieces, int most)
{
    QString text;
    const int count = random.bounded(most + 1);
    for (int i = 0; i < count; ++i)
        text += pieces.at(random.bounded(int(pieces.size())));
    return text;
}

// A line of the simple form: bare values (no comma, any quote after the first character) and
// quoted values (no quote inside), with blanks and tabs anywhere.
QString simpleLine(QRandomGenerator &random, int values)
{
    static const QStringList bare = {"a", "Zoë", "7.50", " ", "\t", "x y", "5\"", "\""};
    static const QStringList quoted = {"a", "é", " ", ",", ", ", "\t", "Smith, John"};
    QStringList fields;
    for (int i = 0; i < values; ++i) {
        if (random.bounded(3) == 0) {
            fields.append(u'"' + pick(random, quoted, 3) + u'"');
        } else {
            QString value = pick(random, bare, 3);
            if (value.startsWith(u'"'))
                value.prepend(u' ');
            fields.append(value);
        }
    }
    return fields.join(u',');
}

} // namespace

void TestCsvReader::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCsvReader::records_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Records>("expected");
    QTest::addColumn<bool>("endedInQuote");

    // The simple form, as the import always read it.
    QTest::newRow("bare values") << "Mug,12.50,True" << Records{{"Mug", "12.50", "True"}} << false;
    QTest::newRow("quoted value with comma")
        << "Mug,\"Smith, John\",12.50" << Records{{"Mug", "Smith, John", "12.50"}} << false;
    QTest::newRow("empty value") << "a,,c" << Records{{"a", "", "c"}} << false;
    QTest::newRow("comma at the end") << "a,b," << Records{{"a", "b", ""}} << false;
    QTest::newRow("blanks around values kept") << "  a , b\t,c " << Records{{"  a ", " b\t", "c "}} << false;
    QTest::newRow("blank value inside kept") << "a,  ,b" << Records{{"a", "  ", "b"}} << false;
    QTest::newRow("blank last value empty") << "a, \t " << Records{{"a", ""}} << false;
    QTest::newRow("quote inside bare value") << "5\" tall,ab\"" << Records{{"5\" tall", "ab\""}} << false;
    QTest::newRow("quote after a blank is literal") << " \"a,b\",c" << Records{{" \"a", "b\"", "c"}} << false;
    QTest::newRow("quoted empty value") << "\"\",x" << Records{{"", "x"}} << false;
    QTest::newRow("quoted blanks") << "a,\"  \"" << Records{{"a", "  "}} << false;

    // RFC 4180 where the old rule would have cut the value short.
    QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\",x" << Records{{"say \"hi\"", "x"}} << false;
    QTest::newRow("only a doubled quote") << "\"\"\"\"" << Records{{"\""}} << false;
    QTest::newRow("CR LF inside quotes") << "\"one\r\ntwo\",b\r\nc" << Records{{"one\r\ntwo", "b"}, {"c"}} << false;
    QTest::newRow("LF and CR inside quotes") << "\"a\nb\rc\"" << Records{{"a\nb\rc"}} << false;

    // Record ends.
    QTest::newRow("CR LF, LF and lone CR end records")
        << "a\r\nb\nc\rd" << Records{{"a"}, {"b"}, {"c"}, {"d"}} << false;
    QTest::newRow("last line end starts no record") << "a,b\r\n" << Records{{"a", "b"}} << false;
    QTest::newRow("blank lines are blank records") << "a\r\n\r\n  \r\nb" << Records{{"a"}, {""}, {""}, {"b"}} << false;
    QTest::newRow("empty text") << "" << Records{} << false;

    // Neither form: read without losing or shifting values.
    QTest::newRow("text after closing quote kept") << "\"Big\" Mug,x" << Records{{"Big Mug", "x"}} << false;
    QTest::newRow("blanks after closing quote dropped") << "\"a\"  ,b" << Records{{"a", "b"}} << false;
    QTest::newRow("unclosed quote on the last line") << "x\r\na,\"bc\r\n" << Records{{"x"}, {"a", "bc"}} << true;
    QTest::newRow("unclosed quote takes the rest") << "a,\"b\r\nc,d\r\n" << Records{{"a", "b\r\nc,d"}} << true;
    QTest::newRow("lone quote") << "\"" << Records{{""}} << true;
}

void TestCsvReader::records()
{
    QFETCH(QString, text);
    QFETCH(Records, expected);
    QFETCH(bool, endedInQuote);

    CsvReader reader;
    reader.setText(text);
    QCOMPARE(reader.recordCount(), expected.size());
    QCOMPARE(reader.readAll(), expected);
    QCOMPARE(reader.endedInQuote(), endedInQuote);
}

// Every simple line gives, value for value, what the old line rule gave; a file of such lines
// gives one record per text line.
void TestCsvReader::simpleLinesReadAsTheLineRuleReadsThem()
{
    QRandomGenerator random(1997);
    for (int file = 0; file < 200; ++file) {
        QStringList lines;
        QList<int> counts;
        QString text;
        const int lineCount = 1 + random.bounded(6);
        for (int i = 0; i < lineCount; ++i) {
            counts.append(1 + random.bounded(6));
            lines.append(simpleLine(random, counts.back()));
            text += lines.back();
            if (i + 1 < lineCount || lines.back().isEmpty() || random.bounded(2))
                text += random.bounded(2) ? QStringLiteral("\r\n") : QStringLiteral("\n");
        }
        CsvReader reader;
        reader.setText(text);
        QCOMPARE(reader.rawLines(), lines);
        QCOMPARE(reader.recordCount(), lineCount);
        for (int i = 0; i < lineCount; ++i) {
            QStringList record = reader.readRecord();
            QCOMPARE(record.size(), counts.at(i));
            const int k = counts.at(i) + 2;
            while (record.size() < k)
                record.append(QString());
            QVERIFY2(record == lineRule(lines.at(i), k), qPrintable(lines.at(i)));
        }
    }
}

void TestCsvReader::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rawLines");
    QTest::addColumn<int>("recordCount");

    QTest::newRow("empty") << "" << QStringList{} << 0;
    QTest::newRow("all line ends") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"} << 4;
    QTest::newRow("last line end") << "a\r\n" << QStringList{"a"} << 1;
    QTest::newRow("empty lines") << "\r\n\n" << QStringList{"", ""} << 2;
    QTest::newRow("quoted value over three lines")
        << "Name,Notes\r\nMug,\"one\r\ntwo\nthree\"\r\nPlate,"
        << QStringList{"Name,Notes", "Mug,\"one", "two", "three\"", "Plate,"} << 3;
}

void TestCsvReader::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rawLines);
    QFETCH(int, recordCount);

    CsvReader reader;
    reader.setText(text);
    QCOMPARE(reader.rawLines(), rawLines);
    QCOMPARE(reader.recordCount(), recordCount);
}

void TestCsvReader::readsRecordByRecord()
{
    CsvReader reader;
    reader.setText(QStringLiteral("a,b\r\n\r\n\"c\r\nd\""));
    QCOMPARE(reader.readRecord(), QStringList({"a", "b"}));
    QCOMPARE(reader.recordCount(), 3);
    const QStringList blank = reader.readRecord();
    QVERIFY(CsvReader::isBlankRecord(blank));
    QVERIFY(!CsvReader::isBlankRecord({"a"}));
    QVERIFY(!CsvReader::isBlankRecord({"", ""}));
    QCOMPARE(reader.readAll(), Records{{"c\r\nd"}});
    QVERIFY(reader.atEnd());
    QVERIFY(reader.readRecord().isEmpty());
    reader.rewind();
    QCOMPARE(reader.readAll().size(), 3);
}

void TestCsvReader::encoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CsvReader::Encoding>("encoding");

    using E = CsvReader::Encoding;
    QTest::newRow("utf8") << QByteArray("Caf\xC3\xA9,\xE4\xB8\xAD") << QStringLiteral("Café,中") << E::Utf8;
    QTest::newRow("utf8 with bom") << QByteArray("\xEF\xBB\xBF"
                                                 "Caf\xC3\xA9")
                                   << QStringLiteral("Café") << E::Utf8;
    QTest::newRow("bom only") << QByteArray("\xEF\xBB\xBF") << QString() << E::Utf8;
    QTest::newRow("empty") << QByteArray() << QString() << E::Utf8;
    QTest::newRow("latin1") << QByteArray("Caf\xE9,Cr\xE8me") << QStringLiteral("Café,Crème") << E::Latin1;
    QTest::newRow("one bad byte makes all latin1")
        << QByteArray("Caf\xC3\xA9,Caf\xE9") << QStringLiteral("CafÃ©,Café") << E::Latin1;
    QTest::newRow("bom then latin1") << QByteArray("\xEF\xBB\xBF"
                                                   "Caf\xE9")
                                     << QStringLiteral("Café") << E::Latin1;
    QTest::newRow("cut sequence at the end") << QByteArray("abc\xC3") << QStringLiteral("abcÃ") << E::Latin1;
    QTest::newRow("overlong form") << QByteArray("\xC0\xAF") << QStringLiteral("À¯") << E::Latin1;
}

void TestCsvReader::encoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(CsvReader::Encoding, encoding);

    CsvReader reader;
    QVERIFY(reader.setData(bytes));
    QCOMPARE(reader.text(), text);
    QCOMPARE(reader.encoding(), encoding);
}

void TestCsvReader::files_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<Records>("expected");
    QTest::addColumn<CsvReader::Encoding>("encoding");

    QTest::newRow("exported file") << "export.csv"
                                   << Records{{"Name", "Retail Price", "Limited Edition", "Notes"},
                                              {"Mug", "$1,234.50", "True", "First line\r\nSecond \"line\""},
                                              {"Plate", "-$5.25", "False", ""}}
                                   << CsvReader::Encoding::Utf8;
    QTest::newRow("latin1 file") << "latin1.csv" << Records{{"Café", "Crème brûlée"}, {"Smith, Joëlle", "12.50"}}
                                 << CsvReader::Encoding::Latin1;
}

void TestCsvReader::files()
{
    QFETCH(QString, fileName);
    QFETCH(Records, expected);
    QFETCH(CsvReader::Encoding, encoding);

    QFile file(QStringLiteral(CURIODEX_TEST_DATA "/csv/") + fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    CsvReader reader;
    QVERIFY2(reader.read(&file), qPrintable(reader.errorString()));
    QCOMPARE(reader.encoding(), encoding);
    QCOMPARE(reader.readAll(), expected);
}

void TestCsvReader::refusesWhatItCannotRead()
{
    CsvReader reader;
    QBuffer closed;
    QVERIFY(!reader.read(&closed));
    QVERIFY(!reader.errorString().isEmpty());

    reader.setText(QStringLiteral("left,over"));
    QVERIFY(!reader.setData(QByteArray("a,b\r\nc\0d", 8)));
    QCOMPARE(reader.errorString(),
             QStringLiteral("The file holds binary data (a NUL byte at position 6), not comma-separated text."));
    QVERIFY(reader.atEnd());
    QCOMPARE(reader.recordCount(), 0);

    // UTF-16 text holds NUL bytes for every ASCII letter: refused rather than read as garbage.
    QVERIFY(!reader.setData(QByteArray("\xFF\xFE"
                                       "a\0,\0b\0",
                                       8)));

    // Other binary bytes read as Latin-1 and give records without failing.
    QByteArray noise;
    QRandomGenerator random(7);
    for (int i = 0; i < 100000; ++i)
        noise.append(char(1 + random.bounded(255)));
    QVERIFY(reader.setData(noise));
    QCOMPARE(reader.encoding(), CsvReader::Encoding::Latin1);
    QCOMPARE(reader.readAll().size(), reader.recordCount());
}

void TestCsvReader::pathological_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("recordCount");
    QTest::addColumn<int>("firstRecordSize");
    QTest::addColumn<int>("firstValueSize");

    const int size = 10 * 1024 * 1024;
    QTest::newRow("10 MB bare value") << QString(size, u'x') << 1 << 1 << size;
    QTest::newRow("10 MB line of short values")
        << QStringLiteral("abcdefghi,").repeated(size / 10) << 1 << size / 10 + 1 << 9;
    QTest::newRow("10 MB quoted value of doubled quotes")
        << u'"' + QStringLiteral("a\"\"").repeated(size / 3) + u'"' << 1 << 1 << 2 * (size / 3);
    QTest::newRow("10 MB after an unclosed quote")
        << u'"' + QStringLiteral("line, more\r\n").repeated(size / 12) << 1 << 1 << 12 * (size / 12) - 2;
    QTest::newRow("10 MB of quotes") << QString(size, u'"') << 1 << 1 << size / 2 - 1;
    QTest::newRow("10 MB of lone CRs") << QString(size, u'\r') << size << 1 << 0;
}

void TestCsvReader::pathological()
{
    QFETCH(QString, text);
    QFETCH(int, recordCount);
    QFETCH(int, firstRecordSize);
    QFETCH(int, firstValueSize);

    CsvReader reader;
    reader.setText(text);
    QCOMPARE(reader.recordCount(), recordCount);
    const QStringList first = reader.readRecord();
    QCOMPARE(first.size(), firstRecordSize);
    QCOMPARE(first.front().size(), firstValueSize);
}

QTEST_GUILESS_MAIN(TestCsvReader)
#include "TestCsvReader.moc"
