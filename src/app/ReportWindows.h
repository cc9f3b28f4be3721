#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

// The main window's print-preview reports: not modal, at most one form per report. A report's
// form is created on the first use of its command and frees itself when its preview closes;
// using the command while that form still exists shows the same form again.
class ReportWindows
{
public:
    enum Report {
        BasicItemValue,
        BriefItemList,
        DetailedItemList,
        CollectionValueBasic,
        CollectionValueSummary,
        CollectionValueDetails,
        ReportCount
    };

    // Shows the report's form, creating it with `create` when there is none. Gives the form.
    QWidget *show(Report report, const std::function<QWidget *()> &create);
    // The report's form while it exists, else nullptr.
    QWidget *form(Report report) const { return m_forms[report]; }

private:
    std::array<QPointer<QWidget>, ReportCount> m_forms;
};
