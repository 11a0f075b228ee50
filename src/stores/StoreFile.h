// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

// Whole-file reads, atomic writes and removals for the stores, each failure described for the user.
class StoreFile {
public:
    // `what` names the file in messages, such as "the backup" or "the profiles file".
    [[nodiscard]] static QByteArray read(const QString& path, const QString& what);
    // Replaces the file in one step: a failure leaves the old content and no scratch file behind.
    static void write(const QString& path, const QByteArray& data, const QString& what);
    static void remove(const QString& path, const QString& what);
    // A folder that already exists is no error.
    static void makeFolder(const QString& path);

    // Before a save replaces a store file that `decodes` rejects, copies it beside itself with the
    // suffix ".unreadable-" and a time stamp, so that no user data is silently destroyed.
    static void keepAsideIfUndecodable(const QString& path, const QString& what,
                                       const std::function<bool(const QByteArray&)>& decodes);

    // "yyyyMMdd-HHmmss" in local time, Gregorian calendar and ASCII digits whatever the user's locale.
    [[nodiscard]] static QString timestamp(const QDateTime& moment);
};
