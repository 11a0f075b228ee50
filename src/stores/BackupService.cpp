// SPDX-License-Identifier: MIT
#include "BackupService.h"

#include "DiskQueue.h"
#include "PlistNode.h"
#include "StoreFile.h"
#include "common/Error.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const auto backupNamePrefix = u"com.apple.dock.backup."_s;
const auto backupExtension = u"plist"_s;

// The Dock reads only a dictionary; anything else at the live path would leave it without settings.
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

QString copyLiveFile(const Platform& platform) {
    const QString folder = platform.backupsFolder();
    StoreFile::makeFolder(folder);
    const QString target =
        QFileInfo(QDir(folder).filePath(backupNamePrefix +
                                        StoreFile::timestamp(QDateTime::currentDateTime()) + u'.' +
                                        backupExtension))
            .absoluteFilePath();
    const QByteArray live = StoreFile::read(platform.dockPreferencesFile, u"the Dock preferences file"_s);
    // Replacing in one step means a second backup within the same second wins without the first
    // ever being missing.
    StoreFile::write(target, live, u"the backup"_s);
    return target;
}

void replaceLiveFile(const Platform& platform, const QString& backupFile) {
    const QByteArray data = StoreFile::read(backupFile, u"the backup"_s);
    if (!holdsDictionary(data)) {
        throw Error(u"Couldn't restore the backup '%1': it is not a Dock preferences file."_s.arg(
            QDir::toNativeSeparators(backupFile)));
    }
    StoreFile::makeFolder(QFileInfo(platform.dockPreferencesFile).absolutePath());
    StoreFile::write(platform.dockPreferencesFile, data, u"the Dock preferences file"_s);
}

} // namespace

BackupService::BackupService(ShellService shell)
    : m_shell(std::move(shell)) {}

QCoro::Task<QString> BackupService::createBackup() const {
    auto copy = [platform = m_shell.platform()] { return copyLiveFile(platform); };
    co_return co_await DiskQueue::run(std::move(copy));
}

QStringList BackupService::listBackups() const {
    const QString folder = m_shell.platform().backupsFolder();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return {};
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        throw Error(u"Couldn't list the backups in '%1': %2."_s.arg(
            QDir::toNativeSeparators(folder),
            folderInfo.isDir() ? u"permission denied"_s : u"it is not a folder"_s));
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
    const Platform& platform = m_shell.platform();
    auto replace = [platform, backupFile] { replaceLiveFile(platform, backupFile); };
    co_await DiskQueue::run(std::move(replace));
    // A Dock that is not running makes killall fail; the restored file is in place all the same.
    // Built outside the co_await: g++ 12 miscompiles a braced list inside one.
    QStringList arguments{u"Dock"_s};
    co_await m_shell.run(platform.killallPath, std::move(arguments));
}

void BackupService::deleteBackup(const QString& backupFile) const {
    StoreFile::remove(backupFile, u"the backup"_s);
}
