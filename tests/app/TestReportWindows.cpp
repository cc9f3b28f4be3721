#include "app/ReportWindows.h"

#include <QTest>

class TestReportWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneFormPerReport();
};

void TestReportWindows::oneFormPerReport()
{
    ReportWindows reports;
    int created = 0;
    const auto make = [&created] {
        ++created;
        return new QWidget;
    };
    QWidget *first = reports.show(ReportWindows::BriefItemList, make);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QCOMPARE(reports.show(ReportWindows::BriefItemList, make), first); // shown again, not a second form
    QCOMPARE(created, 1);

    QWidget *other = reports.show(ReportWindows::CollectionValueDetails, make);
    QVERIFY(other != first);
    QCOMPARE(created, 2);

    first->close(); // frees itself
    QTRY_VERIFY(!reports.form(ReportWindows::BriefItemList));
    QVERIFY(reports.show(ReportWindows::BriefItemList, make) != nullptr);
    QCOMPARE(created, 3);
    QCOMPARE(reports.form(ReportWindows::CollectionValueDetails), other);
    delete reports.form(ReportWindows::BriefItemList);
    delete other;
}

QTEST_MAIN(TestReportWindows)
#include "TestReportWindows.moc"
