// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
constexpr int answerTimeoutMs = 1000;
// Claiming takes a few milliseconds, so even a burst of launches waits well below this; a holder
// that takes longer is hung, and starting without the lock beats not starting at all.
constexpr int lockTimeoutMs = 20'000;
// QLockFile's own waiting starts at a tenth of a second and doubles; a burst of launches would queue
// up for seconds behind claims that take milliseconds.
constexpr int lockRetryIntervalMs = 5;

bool lockWithin(QLockFile& lock, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!lock.tryLock()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(lockRetryIntervalMs);
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name)) {
    // A connection is the whole message: a later launch has nothing else to say.
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT activationRequested();
        }
    });
}

QString SingleInstance::defaultName() {
    // The home folder names the user on every system; hashed, it makes a short, safe socket name.
    const QByteArray home = QDir::homePath().toUtf8();
    return u"berthwise-"_s +
           QString::fromLatin1(QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(16));
}

bool SingleInstance::claim() {
    // Without the lock, two launches could both find nobody answering and both listen, the later
    // one taking the name from the earlier. The lock sits beside the socket, which QLocalServer
    // keeps in the temporary folder; a holder that died is detected by its process id.
    QLockFile lock(QDir::temp().filePath(m_name + u".lock"_s));
    const bool locked = lockWithin(lock, lockTimeoutMs);
    if (notifyRunningInstance())
        return false;
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_name))
        return true;
    if (locked) {
        // Nobody answered and nobody else is claiming: the socket was left by an instance that
        // crashed, and is safe to replace.
        QLocalServer::removeServer(m_name);
        (void)m_server.listen(m_name);
    }
    // Even unable to answer later launches, this instance is better running than not at all.
    return true;
}

bool SingleInstance::notifyRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(answerTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}
