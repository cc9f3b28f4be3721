#pragma once

#include <QObject>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// Keeps the program to one copy per user session. The first copy holds a lock file and listens
// on a local socket, both named after the instance in the user's runtime folder; a later start
// finds the lock taken, asks the running copy to come forward, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *ShowRequest = "show";
    static constexpr const char *QuitRequest = "quit";

    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is to run: it now holds the lock and listens (or the lock could not be
    // made at all). False when another copy runs; that copy has been asked to come forward.
    bool start();

    // Sends one message to the running copy. Gives false when none could be reached.
    static bool sendMessage(const QString &name, const QByteArray &message, int timeoutMs = 3000);
    static QString lockPath(const QString &name);
    static QString serverPath(const QString &name);

Q_SIGNALS:
    // A later start asked this copy to come forward.
    void activationRequested();
    // Someone asked this copy to end (used by tests).
    void quitRequested();

private:
    void readMessages(QLocalSocket *socket);

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
