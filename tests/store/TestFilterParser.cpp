#include "store/FilterParser.h"

#include <QRandomGenerator>
#include <QTest>

// Filters come from the program and, through the find dialog, from what users type: whatever the
// text, the parser gives a condition with one bound value per placeholder, or an error naming the
// filter, and never puts the user's text into the SQL.
class TestFilterParser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomTextNeverReachesTheSql();
};

void TestFilterParser::randomTextNeverReachesTheSql()
{
    const QStringList pieces{"Collection",
                             "Name",
                             "RetailPrice",
                             "LimitedEdition",
                             "DataFieldNumber",
                             "Notes",
                             "=",
                             "'",
                             "''",
                             "*",
                             "and",
                             "And",
                             "or",
                             "TRUE",
                             "FALSE",
                             "12.5",
                             "-3",
                             "1.2.3",
                             " ",
                             "  ",
                             ";",
                             "--",
                             "DROP TABLE",
                             "\"",
                             "(",
                             ")",
                             "\u00e9",
                             "\U0001F514",
                             "x'y",
                             "%"};
    const QStringList columns{"Collection", "Name", "Quantity", "RetailPrice", "LimitedEdition", "Check2"};
    const QStringList values{"'Figurines'", "'bell*'", "'O''Brien'",    "'x''; DROP TABLE Collection; --'",
                             "12.5",        "-3",      "TRUE",          "FALSE",
                             "'*'",         "''",      "'\U0001F514*'", "'%_'"};
    QRandomGenerator random(20261211);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        QString filter;
        if (i % 2 == 0) {
            // Token soup.
            const int count = random.bounded(1, 12);
            for (int p = 0; p < count; ++p)
                filter += pieces.at(random.bounded(int(pieces.size()))) + (random.bounded(2) ? " " : "");
        } else {
            // Comparisons as the windows write them, with awkward values.
            const int count = random.bounded(1, 4);
            for (int p = 0; p < count; ++p) {
                if (p > 0)
                    filter += random.bounded(2) ? " and " : " And  ";
                filter += columns.at(random.bounded(int(columns.size()))) + " = " +
                          values.at(random.bounded(int(values.size())));
            }
        }
        QString error;
        const std::optional<SqlCondition> condition = FilterParser::translate(filter, Schema::collection(), &error);
        if (!condition) {
            QVERIFY2(error.contains(filter), qPrintable(filter));
            continue;
        }
        ++accepted;
        QCOMPARE(condition->sql.count(u'?'), condition->values.size());
        // Only column names, operators and placeholders: no quote of the user's, no statement end.
        QVERIFY2(!condition->sql.contains(u';') && !condition->sql.contains(QStringLiteral("DROP")),
                 qPrintable(condition->sql));
        QCOMPARE(condition->sql.count(u'\'') % 2, 0);
    }
    QVERIFY(accepted > 100); // the generator also makes usable filters
}

QTEST_GUILESS_MAIN(TestFilterParser)
#include "TestFilterParser.moc"
