// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <QLockFile>

#include <memory>
#include <optional>
#include <utility>

// The folder where the simulated Dock keeps its domains and its restart count, and the atomic file
// writes every change goes through.
class SimulatorFolder {
public:
    // The folder the environment names; the app's platform layer computes the same one.
    SimulatorFolder();
    explicit SimulatorFolder(QString path)
        : m_path(std::move(path)) {}

    [[nodiscard]] QString path() const { return m_path; }
    [[nodiscard]] QString filePath(const QString& name) const;

    // Nothing when the file does not exist or cannot be read.
    [[nodiscard]] std::optional<QByteArray> read(const QString& name) const;
    // Replaces the file in one step, creating the folder first; on failure sets error and leaves the old
    // file.
    [[nodiscard]] bool write(const QString& name, const QByteArray& bytes, QString& error) const;
    [[nodiscard]] bool remove(const QString& name, QString& error) const;
    // Serialises read-modify-write cycles on one file across processes; the lock lasts as long as the result.
    [[nodiscard]] std::unique_ptr<QLockFile> lock(const QString& name, QString& error) const;

private:
    [[nodiscard]] bool ensureExists(QString& error) const;

    QString m_path;
};
