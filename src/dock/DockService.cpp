// SPDX-License-Identifier: MIT
#include "DockService.h"

#include "DockError.h"
#include "DockPreferenceValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QScopeGuard>
#include <QUuid>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

const auto dockDomain = u"com.apple.dock"_s;
const auto writePrefix = u"defaults write com.apple.dock "_s;
const auto restartLine = u"killall Dock"_s;

QString scriptOf(QStringList lines) {
    lines.append(restartLine);
    return lines.join(u'\n');
}

QString writeScript(const DockSetting& setting, const DockConfiguration& values) {
    const QString key = setting.keys[0].toString();
    const QVariant value = setting.valueIn(values);
    switch (setting.kind) {
    case DockSetting::integer:
        return scriptOf({writePrefix + key + u" -int "_s + QString::number(value.toLongLong())});
    case DockSetting::boolean:
        return scriptOf({writePrefix + key + u" -bool "_s + (value.toBool() ? u"true"_s : u"false"_s)});
    case DockSetting::text:
        // Raw values of the enumerations need no quoting.
        return scriptOf({writePrefix + key + u" -string "_s + value.toString()});
    case DockSetting::fastAutoHide: {
        // Deleting rather than writing the system's timings back leaves the Dock's own defaults in
        // charge; "|| true" keeps a never-set key from mattering.
        const QString modifierKey = setting.keys[1].toString();
        if (value.toBool())
            return scriptOf(
                {writePrefix + key + u" -float 0"_s, writePrefix + modifierKey + u" -float 0.2"_s});
        return scriptOf({u"defaults delete com.apple.dock "_s + key + u" || true"_s,
                         u"defaults delete com.apple.dock "_s + modifierKey + u" || true"_s});
    }
    }
    Q_UNREACHABLE();
    return {};
}

QString listName(DockSection section) {
    return section == DockSection::apps ? u"persistent-apps"_s : u"persistent-others"_s;
}

QString tileType(DockSpacerType type) {
    return type == DockSpacerType::standard ? u"spacer-tile"_s : u"small-spacer-tile"_s;
}

// A fresh name per operation, so concurrent exports and imports never share a file.
QString temporaryPlistPath(const Platform& platform, const QString& prefix) {
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return QDir(platform.temporaryFolder).filePath(prefix + uuid + u".plist"_s);
}

} // namespace

DockService::DockService(ShellService shell)
    : m_shell(std::move(shell)) {}

QCoro::Task<std::optional<QString>> DockService::readValue(QString key) const {
    // Braced lists inside a co_await expression trip g++ 12, hence the named argument lists.
    const QStringList arguments{u"read"_s, dockDomain, key};
    CommandResult result;
    try {
        result = co_await m_shell.run(m_shell.platform().defaultsPath, arguments);
    } catch (const Error&) {
        // A reader that cannot start knows as little as one that finds no key: the default applies.
        co_return std::nullopt;
    }
    if (result.exitCode != 0)
        co_return std::nullopt;
    QString value = result.output.trimmed();
    if (value.isEmpty())
        co_return std::nullopt;
    co_return value;
}

QCoro::Task<CapturedDockConfiguration> DockService::readConfiguration() const {
    // Tasks start running when created, so all the `defaults` runs are under way before the first
    // await; reading them one by one would cost a process start-up per key in a row.
    const QStringList& keys = DockSetting::allKeys();
    std::vector<QCoro::Task<std::optional<QString>>> reads;
    reads.reserve(std::size_t(keys.size()));
    for (const QString& key : keys)
        reads.push_back(readValue(key));

    QHash<QString, QString> texts;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        if (std::optional<QString> text = co_await std::move(reads[i]))
            texts.insert(keys.at(qsizetype(i)), std::move(*text));
    }
    co_return DockPreferenceValues::fromTexts(texts);
}

CapturedDockConfiguration DockService::parseConfiguration(const QByteArray& plistData) {
    return DockPreferenceValues::fromPropertyList(plistData);
}

QCoro::Task<> DockService::writeSetting(DockSetting setting, DockConfiguration values) const {
    return runScript(writeScript(setting, values));
}

QCoro::Task<> DockService::applyConfiguration(DockConfiguration configuration) const {
    // Every value is written, even an unchanged one, so the Dock ends up exactly as described.
    for (const DockSetting& setting : DockSetting::all())
        co_await writeSetting(setting, configuration);
}

QCoro::Task<> DockService::addSpacer(DockSpacerType type, DockSection section) const {
    return runScript(scriptOf({writePrefix + listName(section) + u" -array-add '{\"tile-type\"=\""_s +
                               tileType(type) + u"\";}'"_s}));
}

QCoro::Task<> DockService::addRecentStack(RecentStackType type) const {
    return runScript(scriptOf({
        u"defaults write com.apple.dock persistent-others -array-add '{"_s,
        u"  \"tile-data\" = {"_s,
        u"    \"list-type\" = "_s + QString::number(rawValue(type)) + u';',
        u"  };"_s,
        u"  \"tile-type\" = \"recents-tile\";"_s,
        u"}';"_s,
    }));
}

QCoro::Task<QByteArray> DockService::exportDockPreferences() const {
    const Platform& platform = m_shell.platform();
    const QString path = temporaryPlistPath(platform, u"berthwise-export-"_s);
    const auto removeFile = qScopeGuard([path] { QFile::remove(path); });

    const QStringList arguments{u"export"_s, dockDomain, path};
    const CommandResult result = co_await m_shell.run(platform.defaultsPath, arguments);
    if (result.exitCode != 0)
        throw DockError::exportFailed(result.error);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QCoreApplication::translate("DockService", "Couldn't read the exported Dock layout at %1: %2")
                .arg(path, file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(
            QCoreApplication::translate("DockService", "Couldn't read the exported Dock layout at %1: %2")
                .arg(path, file.errorString()));
    co_return data;
}

QCoro::Task<> DockService::importDockPreferences(QByteArray data) const {
    const QString path = temporaryPlistPath(m_shell.platform(), u"berthwise-import-"_s);
    const auto removeFile = qScopeGuard([path] { QFile::remove(path); });

    QSaveFile file(path);
    // Unbuffered, so a write cut short (a full disk) is seen here rather than committed truncated.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
        !file.commit())
        throw Error(QCoreApplication::translate("DockService", "Couldn't write the Dock layout to %1: %2")
                        .arg(path, file.errorString()));
    co_await importDockPreferencesFile(path);
}

QCoro::Task<> DockService::importDockPreferencesFile(QString path) const {
    const Platform& platform = m_shell.platform();
    const QStringList arguments{u"import"_s, dockDomain, path};
    const CommandResult result = co_await m_shell.run(platform.defaultsPath, arguments);
    if (result.exitCode != 0)
        throw DockError::importFailed(result.error);

    // A Dock that was not running is no failure: it reads the imported domain when it starts.
    const QStringList restart{u"Dock"_s};
    co_await m_shell.run(platform.killallPath, restart);
}

QCoro::Task<> DockService::resetDock() const {
    // "|| true" lets an already empty domain still end in a restart.
    return runScript(scriptOf({u"defaults delete com.apple.dock || true"_s}));
}

QCoro::Task<> DockService::runScript(QString script) const {
    // A rejected write is not reported: the exit status of a script is deliberately ignored.
    const QStringList arguments{u"-lc"_s, script};
    co_await m_shell.run(m_shell.platform().shellPath, arguments);
}
