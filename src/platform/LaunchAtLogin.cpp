// SPDX-License-Identifier: MIT
#include "LaunchAtLogin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Desktop entries quote an argument that holds anything beyond plain path characters, and escape
// the four characters that stay special inside the quotes.
QString quotedExecArgument(const QString& argument) {
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    const bool needsQuotes = std::any_of(argument.begin(), argument.end(),
                                         [](QChar character) { return reserved.contains(character); });
    QString escaped = argument;
    escaped.replace(u"%"_s, u"%%"_s);
    if (!needsQuotes)
        return escaped;
    QString quoted;
    for (QChar character : escaped) {
        if (character == u'"' || character == u'`' || character == u'$' || character == u'\\')
            quoted += u'\\';
        quoted += character;
    }
    return u'"' + quoted + u'"';
}

} // namespace

LaunchAtLogin::LaunchAtLogin()
    : LaunchAtLogin(defaultEntryFile(), launchCommand(QCoreApplication::applicationFilePath())) {}

LaunchAtLogin::LaunchAtLogin(QString entryFile, QString command)
    : m_entryFile(std::move(entryFile))
    , m_command(std::move(command)) {}

QString LaunchAtLogin::defaultEntryFile() {
    // From the environment rather than QStandardPaths, whose test mode would move the folder away
    // from where the session's autostart looks.
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + u"/.config"_s;
    return configHome + u"/autostart/berthwise.desktop"_s;
}

QString LaunchAtLogin::launchCommand(const QString& executable) {
    const QString name = QFileInfo(executable).fileName();
    const QString found = QStandardPaths::findExecutable(name);
    // Compared resolved, since the PATH may reach the program through a link (/bin into /usr/bin).
    const QString resolved = QFileInfo(executable).canonicalFilePath();
    if (!found.isEmpty() && !resolved.isEmpty() && QFileInfo(found).canonicalFilePath() == resolved)
        return name;
    return executable;
}

QByteArray LaunchAtLogin::entryContents(const QString& command) {
    const QString text = u"[Desktop Entry]\n"
                         u"Type=Application\n"
                         u"Name=Berthwise\n"
                         u"Comment=Customise the Dock\n"
                         u"Exec="_s +
                         quotedExecArgument(command) +
                         u"\n"
                         u"Terminal=false\n"
                         u"X-GNOME-Autostart-enabled=true\n"_s;
    return text.toUtf8();
}

#ifndef Q_OS_MACOS

bool LaunchAtLogin::isEnabled() const {
    QFile entry(m_entryFile);
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    // A session skips an entry marked hidden or switched off, whoever wrote it.
    const QList<QByteArray> lines = entry.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed == "Hidden=true" || trimmed == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

void LaunchAtLogin::registerEntry() const {
    QDir().mkpath(QFileInfo(m_entryFile).absolutePath());
    QSaveFile entry(m_entryFile);
    const QByteArray contents = entryContents(m_command);
    // Unbuffered, so a write cut short is seen here and never committed as a truncated entry.
    if (entry.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && entry.write(contents) == contents.size())
        entry.commit();
}

void LaunchAtLogin::unregisterEntry() const {
    QFile::remove(m_entryFile);
}

#endif

void LaunchAtLogin::setEnabled(bool enabled) const {
    if (isEnabled() == enabled)
        return;
    if (enabled)
        registerEntry();
    else
        unregisterEntry();
}
