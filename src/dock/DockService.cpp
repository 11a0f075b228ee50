// SPDX-License-Identifier: MIT
#include "DockService.h"

#include "DockError.h"
#include "DockPreferenceValues.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QUuid>

#include <map>
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

QCoro::Task<std::optional<QString>> DockService::readValue(DockPreferenceKey key) const {
    // Braced lists inside a co_await expression trip g++ 12, hence the named argument lists.
    const QStringList arguments{u"read"_s, dockDomain, rawValue(key)};
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

QCoro::Task<std::optional<qint64>> DockService::readInt(DockPreferenceKey key) const {
    const std::optional<QString> text = co_await readValue(key);
    co_return text ? DockPreferenceValues::integerFromText(*text) : std::nullopt;
}

QCoro::Task<std::optional<bool>> DockService::readBool(DockPreferenceKey key) const {
    const std::optional<QString> text = co_await readValue(key);
    co_return text ? DockPreferenceValues::booleanFromText(*text) : std::nullopt;
}

QCoro::Task<std::optional<double>> DockService::readDouble(DockPreferenceKey key) const {
    const std::optional<QString> text = co_await readValue(key);
    co_return text ? DockPreferenceValues::realFromText(*text) : std::nullopt;
}

QCoro::Task<CapturedDockConfiguration> DockService::readConfiguration() const {
    // Tasks start running when created, so all thirteen `defaults` runs are under way before the
    // first await; reading them one by one would cost thirteen process start-ups in a row.
    std::vector<QCoro::Task<std::optional<QString>>> reads;
    reads.reserve(allDockPreferenceKeys.size());
    for (DockPreferenceKey key : allDockPreferenceKeys)
        reads.push_back(readValue(key));

    std::map<DockPreferenceKey, QString> texts;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        if (std::optional<QString> text = co_await std::move(reads[i]))
            texts.emplace(allDockPreferenceKeys[i], std::move(*text));
    }
    co_return DockPreferenceValues::fromTexts(texts).configuration();
}

CapturedDockConfiguration DockService::parseConfiguration(const QByteArray& plistData) {
    return DockPreferenceValues::fromPropertyList(plistData).configuration();
}

QCoro::Task<> DockService::writeInt(DockPreferenceKey key, qint64 value) const {
    return runScript(scriptOf({writePrefix + rawValue(key) + u" -int "_s + QString::number(value)}));
}

QCoro::Task<> DockService::writeBool(DockPreferenceKey key, bool value) const {
    return runScript(
        scriptOf({writePrefix + rawValue(key) + u" -bool "_s + (value ? u"true"_s : u"false"_s)}));
}

QCoro::Task<> DockService::writeString(DockPreferenceKey key, QString value) const {
    // Callers pass only raw enumeration values, which need no quoting.
    return runScript(scriptOf({writePrefix + rawValue(key) + u" -string "_s + value}));
}

QCoro::Task<> DockService::setFastAutoHide(bool enabled) const {
    // Deleting rather than writing the system's timings back leaves the Dock's own defaults in
    // charge; "|| true" keeps a never-set key from mattering.
    if (enabled) {
        return runScript(scriptOf({u"defaults write com.apple.dock autohide-delay -float 0"_s,
                                   u"defaults write com.apple.dock autohide-time-modifier -float 0.2"_s}));
    } else {
        return runScript(scriptOf({u"defaults delete com.apple.dock autohide-delay || true"_s,
                                   u"defaults delete com.apple.dock autohide-time-modifier || true"_s}));
    }
}

QCoro::Task<> DockService::applyConfiguration(DockConfiguration configuration) const {
    // Every value is written, even an unchanged one, so the Dock ends up exactly as described.
    co_await writeInt(DockPreferenceKey::tileSize, configuration.dockSize);
    co_await writeBool(DockPreferenceKey::magnification, configuration.magnification);
    co_await writeInt(DockPreferenceKey::largeSize, configuration.magnificationSize);
    co_await writeBool(DockPreferenceKey::autoHide, configuration.autoHide);
    co_await setFastAutoHide(configuration.fastAutoHide);
    co_await writeBool(DockPreferenceKey::showRecents, configuration.showRecentApps);
    co_await writeBool(DockPreferenceKey::minimizeToApplication, configuration.minimizeToApplication);
    co_await writeBool(DockPreferenceKey::showHidden, configuration.showHidden);
    co_await writeBool(DockPreferenceKey::staticOnly, configuration.showOnlyRunningApps);
    co_await writeBool(DockPreferenceKey::showProcessIndicators, configuration.showProcessIndicators);
    co_await writeString(DockPreferenceKey::orientation, rawValue(configuration.orientation));
    co_await writeString(DockPreferenceKey::minimizeEffect, rawValue(configuration.minimizeEffect));
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
        throw Error(u"Couldn't read the exported Dock layout at %1: %2"_s.arg(path, file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(u"Couldn't read the exported Dock layout at %1: %2"_s.arg(path, file.errorString()));
    co_return data;
}

QCoro::Task<> DockService::importDockPreferences(QByteArray data) const {
    const QString path = temporaryPlistPath(m_shell.platform(), u"berthwise-import-"_s);
    const auto removeFile = qScopeGuard([path] { QFile::remove(path); });

    QSaveFile file(path);
    // Unbuffered, so a write cut short (a full disk) is seen here rather than committed truncated.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
        !file.commit())
        throw Error(u"Couldn't write the Dock layout to %1: %2"_s.arg(path, file.errorString()));
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
