// SPDX-License-Identifier: MIT
#include "TestProbe.h"

#include "TestHome.h"
#include "state/DockViewModel.h"
#include "stores/ScheduleStore.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJSEngine>
#include <QJsonDocument>
#include <QQuickItem>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TestProbe* currentProbe = nullptr;
QDateTime pinnedNow;

// Backups copy the file's bytes as they are, so an empty dictionary serves.
const QByteArray minimalDockPreferences = "<plist version=\"1.0\"><dict/></plist>\n";

QAccessibleInterface* accessibleInterface(QQuickItem* item) {
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

} // namespace

TestProbe::TestProbe(const TestHome& home, DockViewModel& viewModel, QObject* parent)
    : QObject(parent)
    , m_home(home)
    , m_viewModel(viewModel)
    , m_startPalette(QGuiApplication::palette()) {}

TestProbe::~TestProbe() {
    QGuiApplication::setPalette(m_startPalette);
}

void TestProbe::setInstance(TestProbe* probe) {
    currentProbe = probe;
}

TestProbe* TestProbe::create(QQmlEngine* /*engine*/, QJSEngine* /*scriptEngine*/) {
    Q_ASSERT(currentProbe);
    QJSEngine::setObjectOwnership(currentProbe, QJSEngine::CppOwnership);
    return currentProbe;
}

QStringList TestProbe::recordedScripts() const {
    return m_home.recordedScripts();
}

void TestProbe::clearRecords() const {
    m_home.clearRecords();
}

bool TestProbe::waitUntilIdle() const {
    return QTest::qWaitFor([this] { return !m_viewModel.isWorking(); }, 60'000);
}

QString TestProbe::dockPreferencesFile() const {
    return m_viewModel.backupService().shell().platform().dockPreferencesFile;
}

void TestProbe::writeDockPreferences() const {
    const QString path = dockPreferencesFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(minimalDockPreferences);
}

void TestProbe::removeDockPreferences() const {
    QFile::remove(dockPreferencesFile());
}

QStringList TestProbe::backupFiles() const {
    const QString folder = m_viewModel.backupService().shell().platform().backupsFolder();
    QStringList files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        files.append(entry.absoluteFilePath());
    return files;
}

void TestProbe::removeBackups() const {
    for (const QString& file : backupFiles())
        QFile::remove(file);
}

void TestProbe::writeBackup(const QString& fileName, const QString& contents) const {
    const QString folder = m_viewModel.backupService().shell().platform().backupsFolder();
    QDir().mkpath(folder);
    QFile file(folder + u'/' + fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents.toUtf8());
}

QString TestProbe::dockPreferences() const {
    QFile file(dockPreferencesFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QUrl TestProbe::profilesFile() const {
    return QUrl::fromLocalFile(m_viewModel.profileService().profilesFile());
}

QUrl TestProbe::homeFile(const QString& name) const {
    return QUrl::fromLocalFile(QDir(m_home.path()).filePath(name));
}

QString TestProbe::fileText(const QUrl& file) const {
    QFile opened(file.toLocalFile());
    if (!opened.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(opened.readAll());
}

void TestProbe::writeFile(const QUrl& file, const QString& text) const {
    const QString path = file.toLocalFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile opened(path);
    if (opened.open(QIODevice::WriteOnly | QIODevice::Truncate))
        opened.write(text.toUtf8());
}

bool TestProbe::accessibleAction(QQuickItem* item, const QString& action) const {
    QAccessibleInterface* accessible = accessibleInterface(item);
    QAccessibleActionInterface* actions = accessible ? accessible->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(action))
        return false;
    actions->doAction(action);
    return true;
}

int TestProbe::accessibleRole(QQuickItem* item) const {
    QAccessibleInterface* accessible = accessibleInterface(item);
    return accessible ? int(accessible->role()) : -1;
}

QString TestProbe::accessibleName(QQuickItem* item) const {
    QAccessibleInterface* accessible = accessibleInterface(item);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QStringList TestProbe::storeProfiles(const QStringList& names) const {
    QList<DockProfile> profiles;
    QStringList ids;
    const QDateTime newest = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    for (const QString& name : names) {
        DockProfile profile;
        profile.id = QUuid::createUuid();
        profile.name = name;
        profile.icon = u"briefcase.fill"_s;
        profile.createdAt = newest.addSecs(-profiles.size());
        profiles.append(profile);
        ids.append(profile.id.toString(QUuid::WithoutBraces));
    }
    m_viewModel.profileService().saveProfiles(profiles);
    m_viewModel.reloadProfiles();
    return ids;
}

QVariantList TestProbe::storedSchedules() const {
    QFile file(ScheduleStore(m_viewModel.backupService().shell().platform().applicationSupportFolder)
                   .schedulesFileURL());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).toVariant().toList();
}

void TestProbe::checkSchedulesAt(const QDateTime& moment) const {
    pinnedNow = moment;
    m_viewModel.checkSchedules();
    pinnedNow = QDateTime();
}

QDateTime TestProbe::now() {
    return pinnedNow.isValid() ? pinnedNow : QDateTime::currentDateTime();
}

void TestProbe::useDarkPalette(bool dark) const {
    if (!dark) {
        QGuiApplication::setPalette(m_startPalette);
        return;
    }
    QPalette palette = m_startPalette;
    palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x22));
    palette.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf2));
    palette.setColor(QPalette::Base, QColor(0x1c, 0x1c, 0x1e));
    palette.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf2));
    QGuiApplication::setPalette(palette);
}
