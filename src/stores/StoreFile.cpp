// SPDX-License-Identifier: MIT
#include "StoreFile.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The system's reasons come without a full stop; the messages are sentences.
QString sentence(const QString& text) {
    return text.endsWith(u'.') ? text : text + u'.';
}

// %1 names the file ("the backup"), %2 is its path and %3 the system's reason.
QString readFailed() {
    //: %1 names the file, as in "the backup" or "the profiles file".
    return QCoreApplication::translate("StoreFile", "Couldn't read %1 '%2': %3");
}

QString saveFailed() {
    //: %1 names the file, as in "the backup" or "the profiles file".
    return QCoreApplication::translate("StoreFile", "Couldn't save %1 '%2': %3");
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// QSaveFile's own reasons for refusing a file name the path again ("Existing file … is not
// writable") or use its terms ("Filename refers to a directory"); the system's reason reads better.
QString refusalReason(const QString& path, const QSaveFile& file) {
    if (QFileInfo(path).isDir())
        return QCoreApplication::translate("StoreFile", "there is a folder in its place");
    const QByteArray name = QFile::encodeName(path);
    if (::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::generic_category().message(errno));
    return file.errorString();
}

} // namespace

QByteArray StoreFile::read(const QString& path, const QString& what) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(sentence(readFailed().arg(what, shown(path), file.errorString())));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(sentence(readFailed().arg(what, shown(path), file.errorString())));
    return data;
}

void StoreFile::write(const QString& path, const QByteArray& data, const QString& what) {
    // QSaveFile writes beside the target and renames over it only on commit; on any failure its
    // destructor discards the scratch file, whichever way this function is left.
    QSaveFile file(path);
    const auto failed = [&] {
        return Error(sentence(saveFailed().arg(what, shown(path), file.errorString())));
    };
    // Unbuffered: through its buffer, a write that a full disk cuts short is not reported, and
    // commit() would put a truncated file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw Error(sentence(saveFailed().arg(what, shown(path), refusalReason(path, file))));
    }
    for (qint64 written = 0; written < data.size();) {
        const qint64 chunk = file.write(data.constData() + written, data.size() - written);
        if (chunk <= 0)
            throw failed();
        written += chunk;
    }
    if (!file.commit())
        throw failed();
}

void StoreFile::remove(const QString& path, const QString& what) {
    QFile file(path);
    if (!file.remove())
        throw Error(sentence(QCoreApplication::translate("StoreFile", "Couldn't delete %1 '%2': %3")
                                 .arg(what, shown(path), file.errorString())));
}

void StoreFile::makeFolder(const QString& path) {
    // std::filesystem, unlike QDir::mkpath, says why a folder could not be made.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    if (error) {
        throw Error(sentence(QCoreApplication::translate("StoreFile", "Couldn't create the folder '%1': %2")
                                 .arg(shown(path), QString::fromLocal8Bit(error.message()))));
    }
}

void StoreFile::keepAsideIfUndecodable(const QString& path, const QString& what,
                                       const std::function<bool(const QByteArray&)>& decodes) {
    // A folder in the file's place holds nothing to keep; the write that follows reports it.
    if (!QFileInfo(path).isFile())
        return;
    const QByteArray data = read(path, what);
    if (decodes(data))
        return;
    const QString stem = path + u".unreadable-"_s + timestamp(QDateTime::currentDateTime());
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u'-' + QString::number(n);
    //: The file kept aside, named by %1 as in "the profiles file"; fills the gap of "Couldn't save %1 '%2':
    //: %3".
    write(aside, data, QCoreApplication::translate("StoreFile", "a copy of %1").arg(what));
}

QString StoreFile::timestamp(const QDateTime& moment) {
    return QLocale::c().toString(moment.toLocalTime(), u"yyyyMMdd-HHmmss"_s);
}
