// SPDX-License-Identifier: MIT
#include "BackupService.h"

#include "DiskQueue.h"
#include "PlistNode.h"
#include "StoreFile.h"
#include "common/Error.h"
#include "dock/DockService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

//: Fills the gap of "Couldn't read %1 '%2': %3" and its siblings.
QString theBackup() {
    return QCoreApplication::translate("BackupService", "the backup");
}

const auto backupNamePrefix = u"com.apple.dock.backup."_s;
const auto backupExtension = u"plist"_s;

// The Dock takes only a dictionary; checked here so that anything else is refused before the
// preferences system is asked to change.
bool holdsDictionary(const QByteArray& data) {
    return PlistNode::fromBytes({data.constData(), size_t(data.size())}).type() == PLIST_DICT;
}

// Where the file system keeps no birth time, the modification time stands in: a backup is written
// once and never touched again, and copying an old backup in with its times preserved keeps it in
// its place among the others.
qint64 creationKey(const QFileInfo& info) {
    QDateTime created = info.birthTime();
    if (!created.isValid())
        created = info.lastModified();
    return created.isValid() ? created.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

QString saveBackup(const Platform& platform, const QByteArray& layout) {
    const QString folder = platform.backupsFolder();
    StoreFile::makeFolder(folder);
    const QString target =
        QFileInfo(QDir(folder).filePath(backupNamePrefix +
                                        StoreFile::timestamp(QDateTime::currentDateTime()) + u'.' +
                                        backupExtension))
            .absoluteFilePath();
    // Replacing in one step means a second backup within the same second wins without the first
    // ever being missing.
    StoreFile::write(target, layout, theBackup());
    return target;
}

void checkBackup(const QString& backupFile) {
    if (!holdsDictionary(StoreFile::read(backupFile, theBackup()))) {
        throw Error(
            QCoreApplication::translate(
                "BackupService", "Couldn't restore the backup '%1': it is not a Dock preferences file.")
                .arg(QDir::toNativeSeparators(backupFile)));
    }
}

} // namespace

BackupService::BackupService(ShellService shell)
    : m_shell(std::move(shell)) {}

QCoro::Task<QString> BackupService::createBackup() const {
    // Asked of the preferences system rather than copied from the Dock's file: the system caches the
    // domain and writes the file back when it chooses, so the file may not yet hold what the Dock shows.
    QByteArray layout = co_await DockService(m_shell).exportDockPreferences();
    auto save = [platform = m_shell.platform(), layout = std::move(layout)] {
        return saveBackup(platform, layout);
    };
    co_return co_await DiskQueue::run(std::move(save));
}

QStringList BackupService::listBackups() const {
    const QString folder = m_shell.platform().backupsFolder();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return {};
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        throw Error(QCoreApplication::translate("BackupService", "Couldn't list the backups in '%1': %2.")
                        .arg(QDir::toNativeSeparators(folder),
                             folderInfo.isDir()
                                 ? QCoreApplication::translate("BackupService", "permission denied")
                                 : QCoreApplication::translate("BackupService", "it is not a folder")));
    }

    struct Entry {
        QString path;
        QString name;
        qint64 created;
    };
    QList<Entry> entries;
    // Without QDir::Hidden the listing skips names starting with a dot.
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (info.suffix() == backupExtension)
            entries.append({info.absoluteFilePath(), info.fileName(), creationKey(info)});
    }
    // Equal creation times fall back to the names, newest-looking first, so the order never depends
    // on the directory's internal order.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.created != b.created ? a.created > b.created : a.name > b.name;
    });
    QStringList paths;
    paths.reserve(entries.size());
    for (const Entry& entry : entries)
        paths.append(entry.path);
    return paths;
}

QCoro::Task<> BackupService::restoreBackup(QString backupFile) const {
    auto check = [backupFile] { checkBackup(backupFile); };
    co_await DiskQueue::run(std::move(check));
    // Imported rather than copied over the Dock's file: the preferences system would go on showing
    // the Dock its cached values, and later write them back over the copy.
    co_await DockService(m_shell).importDockPreferencesFile(backupFile);
}

void BackupService::deleteBackup(const QString& backupFile) const {
    StoreFile::remove(backupFile, theBackup());
}
