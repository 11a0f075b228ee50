// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace {
constexpr int answerTimeoutMs = 1000;
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

bool SingleInstance::notifyRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(answerTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_name))
        return true;
    // A socket left behind by an instance that crashed; nobody answered on it a moment ago.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}
