// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

// User-started update checks: the update framework on macOS; elsewhere the package manager brings
// updates, so a check is never possible.
class Updater : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)

public:
    // Starts the update framework where there is one.
    explicit Updater(QObject* parent = nullptr);
    ~Updater() override;

    // Read once, when the updater starts.
    [[nodiscard]] bool canCheckForUpdates() const { return m_canCheckForUpdates; }
    // The framework shows its own dialogs; nothing is reported back.
    Q_INVOKABLE void checkForUpdates();

Q_SIGNALS:
    void canCheckForUpdatesChanged();

private:
    struct Framework;
    std::unique_ptr<Framework> m_framework;
    bool m_canCheckForUpdates = false;
};
