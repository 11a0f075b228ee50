// SPDX-License-Identifier: MIT
#include "SimulatorFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

SimulatorFolder::SimulatorFolder() {
    const QString explicitFolder = qEnvironmentVariable("BERTHWISE_SIMULATED_DOCK");
    if (QDir::isAbsolutePath(explicitFolder)) {
        m_path = QDir::cleanPath(explicitFolder);
        return;
    }
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + u"/.local/share"_s;
    m_path = QDir::cleanPath(dataHome + u"/Berthwise/SimulatedDock"_s);
}

QString SimulatorFolder::filePath(const QString& name) const {
    return m_path + u'/' + name;
}

std::optional<QByteArray> SimulatorFolder::read(const QString& name) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool SimulatorFolder::write(const QString& name, const QByteArray& bytes, QString& error) const {
    if (!ensureExists(error))
        return false;
    QSaveFile file(filePath(name));
    // Unbuffered, so a write cut short (a full disk) is seen here rather than committed truncated.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        error = u"Could not write %1: %2"_s.arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

bool SimulatorFolder::remove(const QString& name, QString& error) const {
    QFile file(filePath(name));
    if (!file.remove()) {
        error = u"Could not remove %1: %2"_s.arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

std::unique_ptr<QLockFile> SimulatorFolder::lock(const QString& name, QString& error) const {
    if (!ensureExists(error))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(filePath(name + u".lock"_s));
    // A holder that died is detected at once; the timeout only guards against a wedged one.
    if (!lock->tryLock(30'000)) {
        error = u"Could not lock %1"_s.arg(filePath(name));
        return nullptr;
    }
    return lock;
}

bool SimulatorFolder::ensureExists(QString& error) const {
    if (QDir().mkpath(m_path))
        return true;
    error = u"Could not create the folder %1"_s.arg(m_path);
    return false;
}
