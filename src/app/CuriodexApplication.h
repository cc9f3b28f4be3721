#pragma once

#include <QApplication>

// The program's application object. It is also the default error handler: a failure that no
// window handles (a store error or any other exception thrown by an event handler) is shown
// in an error box, and the program keeps running.
class CuriodexApplication : public QApplication
{
    Q_OBJECT

public:
    CuriodexApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the failure's text (a general text when it has none), after putting back any busy
    // cursor. A failure while a failure is being shown only goes to the log.
    static void reportFailure(const QString &text);
};
