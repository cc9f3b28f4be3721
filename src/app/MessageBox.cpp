#include "app/MessageBox.h"

#include <QApplication>

namespace {
MessageSeam::Responder responder;
QList<MessageSeam::Asked> askedList;
QList<QMessageBox::StandardButton> answers;

QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel,
                                          QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore})
        if (buttons & b)
            return b;
    return QMessageBox::Ok;
}
} // namespace

QMessageBox::StandardButton ShowMessage(MessageKind kind, const QString &text, QMessageBox::StandardButtons buttons,
                                        const QString &caption)
{
    if (responder)
        return responder({kind, text, buttons});
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = caption;
    switch (kind) {
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Confirmation:
        icon = QMessageBox::Question;
        if (title.isEmpty())
            title = QStringLiteral("Confirm");
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        if (title.isEmpty())
            title = QStringLiteral("Warning");
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        if (title.isEmpty())
            title = QStringLiteral("Error");
        break;
    }
    if (title.isEmpty())
        title = QStringLiteral("Curiodex");
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace MessageSeam {
void setResponder(Responder r)
{
    responder = std::move(r);
}

void answerWith(const QList<QMessageBox::StandardButton> &list)
{
    askedList.clear();
    answers = list;
    responder = [](const Asked &a) {
        askedList.append(a);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return firstButton(a.buttons);
    };
}

const QList<Asked> &asked()
{
    return askedList;
}

void reset()
{
    responder = nullptr;
    askedList.clear();
    answers.clear();
}
} // namespace MessageSeam
