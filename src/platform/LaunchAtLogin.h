// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Whether Berthwise starts when the user logs in: a login item on macOS, an XDG autostart entry
// elsewhere.
class LaunchAtLogin {
public:
    // The entry for this user, starting the running executable.
    LaunchAtLogin();
    // An entry at a chosen place, starting a chosen executable (for tests and packagers).
    LaunchAtLogin(QString entryFile, QString executable);

    // Read from the system each time, so the menu always shows the real state.
    [[nodiscard]] bool isEnabled() const;
    // Does nothing when the state is already the wanted one; a failure is silent, and shows as the
    // unchanged state read back afterwards.
    void setEnabled(bool enabled) const;

    [[nodiscard]] const QString& entryFile() const noexcept { return m_entryFile; }

    // $XDG_CONFIG_HOME/autostart/berthwise.desktop, or ~/.config/autostart/berthwise.desktop.
    [[nodiscard]] static QString defaultEntryFile();
    // The autostart entry's text, with the executable quoted as the desktop entry format asks.
    [[nodiscard]] static QByteArray entryContents(const QString& executable);

private:
    void registerEntry() const;
    void unregisterEntry() const;

    QString m_entryFile;
    QString m_executable;
};
