#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// Every message box of the program goes through ShowMessage, so tests can answer it.
enum class MessageKind { Information, Confirmation, Warning, Error };

QMessageBox::StandardButton ShowMessage(MessageKind kind, const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString &caption = QString());

namespace MessageSeam {
struct Asked
{
    MessageKind kind;
    QString text;
    QMessageBox::StandardButtons buttons;
};
// While a responder is set no box is shown: the responder answers instead.
using Responder = std::function<QMessageBox::StandardButton(const Asked &)>;
void setResponder(Responder responder);
// Convenience for tests: answer with these buttons in turn (then with the first button offered),
// and remember everything that was asked.
void answerWith(const QList<QMessageBox::StandardButton> &answers);
const QList<Asked> &asked();
void reset();
} // namespace MessageSeam
