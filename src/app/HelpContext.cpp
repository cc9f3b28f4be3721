#include "app/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char *Property = "curiodexHelpContext";
}

void setHelpContext(QWidget *window, int context)
{
    window->setProperty(Property, context);
}

int helpContext(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const int context = w->property(Property).toInt();
        if (context != 0)
            return context;
    }
    return 0;
}
