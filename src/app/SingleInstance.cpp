#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {
QString RuntimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::lockPath(const QString &name)
{
    return QDir(RuntimeFolder()).filePath(name + QStringLiteral(".lock"));
}

QString SingleInstance::serverPath(const QString &name)
{
    return QDir(RuntimeFolder()).filePath(name);
}

bool SingleInstance::start()
{
    auto lock = std::make_unique<QLockFile>(lockPath(m_name));
    lock->setStaleLockTime(0); // the lock stays ours for as long as we run
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError) {
            sendMessage(m_name, ShowRequest);
            return false;
        }
        qWarning("The lock %s could not be made; later starts will not find this copy.", qPrintable(lockPath(m_name)));
        return true;
    }
    m_lock = std::move(lock);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessages(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readMessages(socket);
        }
    });
    // A socket file left by a copy that crashed is ours to replace: we hold the lock.
    QLocalServer::removeServer(serverPath(m_name));
    if (!m_server->listen(serverPath(m_name)))
        qWarning("Later starts cannot reach this copy: %s", qPrintable(m_server->errorString()));
    return true;
}

void SingleInstance::readMessages(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray message = socket->readLine().trimmed();
        if (message == ShowRequest)
            Q_EMIT activationRequested();
        else if (message == QuitRequest)
            Q_EMIT quitRequested();
    }
}

bool SingleInstance::sendMessage(const QString &name, const QByteArray &message, int timeoutMs)
{
    // The running copy may be starting up itself: try again for a short while.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    do {
        socket.connectToServer(serverPath(name));
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        socket.abort();
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    if (socket.state() != QLocalSocket::ConnectedState)
        return false;
    socket.write(message + '\n');
    const bool sent = socket.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(500);
    return sent;
}
