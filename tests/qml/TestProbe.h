// SPDX-License-Identifier: MIT
#pragma once

#include "TestHome.h"
#include "state/DockViewModel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QQuickItem>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// One test file's world and what its QML tests can see behind the screens: a fresh home and a view
// model that records the scripts it would run instead of running them, the test home's files, the
// application palette and the accessibility interface an assistive technology would use.
class TestProbe : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // Readies `engine` for one test file: its imports and the view model, once its start-up read
    // has ended. Without a default constructor, QML cannot build a second probe of its own.
    explicit TestProbe(QQmlEngine& engine);
    ~TestProbe() override;

    // The probe last constructed; it keeps its own ownership.
    static TestProbe* create(QQmlEngine* engine, QJSEngine* scriptEngine);

    // The scripts handed to the shell after "-lc", in order.
    Q_INVOKABLE [[nodiscard]] QStringList recordedScripts() const { return m_home.recordedScripts(); }
    Q_INVOKABLE void clearRecords() const { m_home.clearRecords(); }
    // Spins the event loop until no operation runs; false when that does not happen within a minute.
    Q_INVOKABLE bool waitUntilIdle() const;

    // Puts a small valid Dock preferences file in place, so backups have something to copy, and
    // removes every backup: they are named by the second, so tests that count new ones start from none.
    Q_INVOKABLE void resetDockFiles() const;
    Q_INVOKABLE void removeDockPreferences() const { QFile::remove(platform().dockPreferencesFile); }
    Q_INVOKABLE [[nodiscard]] QUrl dockPreferencesFile() const {
        return QUrl::fromLocalFile(platform().dockPreferencesFile);
    }
    // The backups' file names, and where one named `fileName` goes.
    Q_INVOKABLE [[nodiscard]] QStringList backupFiles() const {
        return QDir(platform().backupsFolder()).entryList(QDir::Files, QDir::Name);
    }
    Q_INVOKABLE [[nodiscard]] QUrl backupFile(const QString& fileName) const {
        return QUrl::fromLocalFile(platform().backupsFolder() + u'/' + fileName);
    }

    // Files the screens read and write: the profiles file, and any file in the test home, named
    // by its location as file dialogs give it. A file that cannot be read reads as empty. Saves
    // still under way land before a file is read or written.
    Q_INVOKABLE [[nodiscard]] QUrl profilesFile() const {
        return QUrl::fromLocalFile(platform().profilesFile());
    }
    Q_INVOKABLE [[nodiscard]] QUrl homeFile(const QString& name) const {
        return QUrl::fromLocalFile(QDir(m_home.path()).filePath(name));
    }
    Q_INVOKABLE [[nodiscard]] QString fileText(const QUrl& file) const;
    Q_INVOKABLE void writeFile(const QUrl& file, const QString& text) const;

    // Triggers an accessibility action ("Press", "Toggle", "Increase", "Decrease", "SetFocus") the
    // way a screen reader does, through the item's accessibility interface; false when the item
    // does not offer it.
    Q_INVOKABLE bool accessibleAction(QQuickItem* item, const QString& action) const;
    // Scrolls over the middle of `item` the way a trackpad does, by `pixels` (positive moves the
    // content down), through its window like a real event, since a Qt Quick test's wheel turns only
    // in notches.
    Q_INVOKABLE void trackpadScroll(QQuickItem* item, int pixels) const;
    // The role as QAccessible::Role's number, comparable with QML's Accessible.Button and friends.
    Q_INVOKABLE [[nodiscard]] int accessibleRole(QQuickItem* item) const;
    Q_INVOKABLE [[nodiscard]] QString accessibleName(QQuickItem* item) const;

    // Replaces the saved profiles by ones with these names, newest first, and returns their ids.
    Q_INVOKABLE QStringList storeProfiles(const QStringList& names);
    Q_INVOKABLE [[nodiscard]] QUrl schedulesFile() const;
    // One tick of the schedule runner, seeing `moment` as the time.
    Q_INVOKABLE void checkSchedulesAt(const QDateTime& moment);
    // The time the view model's schedule runner sees: the real one, except inside checkSchedulesAt.
    [[nodiscard]] static QDateTime now();

private:
    [[nodiscard]] const Platform& platform() const { return m_viewModel.backupService().shell().platform(); }

    TestHome m_home;
    DockViewModel m_viewModel;
};
