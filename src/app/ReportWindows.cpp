#include "app/ReportWindows.h"

QWidget *ReportWindows::show(Report report, const std::function<QWidget *()> &create)
{
    QPointer<QWidget> &form = m_forms[report];
    if (!form) {
        form = create();
        if (!form)
            return nullptr;
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setWindowModality(Qt::NonModal);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}
