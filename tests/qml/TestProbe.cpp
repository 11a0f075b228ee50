// SPDX-License-Identifier: MIT
#include "TestProbe.h"

#include "DockViewModelSingleton.h"
#include "stores/DiskQueue.h"
#include "stores/ScheduleStore.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

TestProbe* currentProbe = nullptr;
QDateTime pinnedNow;

// Backups copy the file's bytes as they are, so an empty dictionary serves.
const QString minimalDockPreferences = u"<plist version=\"1.0\"><dict/></plist>\n"_s;

} // namespace

TestProbe::TestProbe(QQmlEngine& engine)
    : m_viewModel(m_home.recordingPlatform(), &TestProbe::now) {
    engine.addImportPath(u"qrc:/qt/qml"_s);
    DockViewModelSingleton::setInstance(&m_viewModel);
    currentProbe = this;
    // The recording shell prints nothing, so the start-up read lands the key table's defaults,
    // whose magnified size (128) differs from the initial 96: that marks the read's end. Tests
    // start after it, so a late read cannot overwrite what they set.
    if (!QTest::qWaitFor([this] { return m_viewModel.magnificationSize() == 128; }, 60'000))
        qFatal("The start-up read of the Dock never ended");
    m_home.clearRecords();
}

// Operations still running would resume into a destroyed view model.
TestProbe::~TestProbe() {
    waitUntilIdle();
    DockViewModelSingleton::setInstance(nullptr);
    currentProbe = nullptr;
}

TestProbe* TestProbe::create(QQmlEngine* /*engine*/, QJSEngine* /*scriptEngine*/) {
    Q_ASSERT(currentProbe);
    QJSEngine::setObjectOwnership(currentProbe, QJSEngine::CppOwnership);
    return currentProbe;
}

bool TestProbe::waitUntilIdle() const {
    const bool idle = QTest::qWaitFor([this] { return !m_viewModel.isWorking(); }, 60'000);
    // Lists are read, and backups deleted, on the disk queue outside any operation.
    DiskQueue::drain();
    QCoreApplication::processEvents();
    return idle;
}

void TestProbe::resetDockFiles() const {
    writeFile(dockPreferencesFile(), minimalDockPreferences);
    QDir(platform().backupsFolder()).removeRecursively();
}

QString TestProbe::fileText(const QUrl& file) const {
    DiskQueue::drain();
    QFile opened(file.toLocalFile());
    if (!opened.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(opened.readAll());
}

void TestProbe::writeFile(const QUrl& file, const QString& text) const {
    DiskQueue::drain();
    const QString path = file.toLocalFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile opened(path);
    if (opened.open(QIODevice::WriteOnly | QIODevice::Truncate))
        opened.write(text.toUtf8());
}

bool TestProbe::accessibleAction(QQuickItem* item, const QString& action) const {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    QAccessibleActionInterface* actions = accessible ? accessible->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(action))
        return false;
    actions->doAction(action);
    return true;
}

void TestProbe::trackpadScroll(QQuickItem* item, int pixels) const {
    const QPointF scenePoint = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    const QPointF globalPoint = item->window()->mapToGlobal(scenePoint);
    // A trackpad reports pixels and a matching angle, within one gesture.
    QWheelEvent event(scenePoint, globalPoint, QPoint(0, pixels), QPoint(0, pixels * 2), Qt::NoButton,
                      Qt::NoModifier, Qt::ScrollUpdate, false, Qt::MouseEventSynthesizedBySystem);
    QCoreApplication::sendEvent(item->window(), &event);
}

int TestProbe::accessibleRole(QQuickItem* item) const {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    return accessible ? int(accessible->role()) : -1;
}

QString TestProbe::accessibleName(QQuickItem* item) const {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QStringList TestProbe::storeProfiles(const QStringList& names) {
    DiskQueue::drain();
    QList<DockProfile> profiles;
    const QDateTime newest = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    for (const QString& name : names)
        profiles.append(
            {{}, QUuid::createUuid(), name, u"briefcase.fill"_s, newest.addSecs(-profiles.size()), {}});
    m_viewModel.profileService().saveProfiles(profiles);
    m_viewModel.reloadProfiles();
    // The file is read off the interface thread; the screens under test need the list now.
    (void)QTest::qWaitFor([&] { return m_viewModel.profiles()->profiles() == profiles; });
    QStringList ids;
    for (const DockProfile& profile : profiles)
        ids.append(profile.id.toString(QUuid::WithoutBraces));
    return ids;
}

QUrl TestProbe::schedulesFile() const {
    return QUrl::fromLocalFile(ScheduleStore(platform().applicationSupportFolder).schedulesFileURL());
}

void TestProbe::checkSchedulesAt(const QDateTime& moment) {
    pinnedNow = moment;
    m_viewModel.checkSchedules();
    pinnedNow = QDateTime();
}

QDateTime TestProbe::now() {
    return pinnedNow.isValid() ? pinnedNow : QDateTime::currentDateTime();
}
