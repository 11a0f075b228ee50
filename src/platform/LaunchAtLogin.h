// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Whether Berthwise starts when the user logs in: a login item on macOS, an XDG autostart entry
// elsewhere.
class LaunchAtLogin {
public:
    // The entry for this user, starting the running executable.
    LaunchAtLogin();
    // An entry at a chosen place, running a chosen command (for tests and packagers).
    LaunchAtLogin(QString entryFile, QString command);

    // Read from the system each time, so the menu always shows the real state.
    [[nodiscard]] bool isEnabled() const;
    // Does nothing when the state is already the wanted one; a failure is silent, and shows as the
    // unchanged state read back afterwards.
    void setEnabled(bool enabled) const;

    [[nodiscard]] const QString& entryFile() const noexcept { return m_entryFile; }

    // $XDG_CONFIG_HOME/autostart/berthwise.desktop, or ~/.config/autostart/berthwise.desktop.
    [[nodiscard]] static QString defaultEntryFile();
    // What the entry runs to start `executable`: its bare name where the PATH leads to this very
    // program (an installed one), so the entry survives reinstalls just as the menu's entry does;
    // its full path otherwise (a build folder, or a prefix off the PATH).
    [[nodiscard]] static QString launchCommand(const QString& executable);
    // The autostart entry's text, with the command quoted as the desktop entry format asks.
    [[nodiscard]] static QByteArray entryContents(const QString& command);

private:
    void registerEntry() const;
    void unregisterEntry() const;

    QString m_entryFile;
    QString m_command;
};
