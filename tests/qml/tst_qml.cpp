// SPDX-License-Identifier: MIT
// Runs the tst_*.qml files it is given; each file gets a fresh probe, with its own home and view
// model.
#include "AppInfo.h"
#include "TestProbe.h"

#include <QtQml/QQmlExtensionPlugin>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)
Q_IMPORT_QML_PLUGIN(BerthwiseTestPlugin)

// Gives each test file its own world, so that no file sees another's files or status.
class Setup : public QObject {
    Q_OBJECT

public Q_SLOTS:
    // No test reaches a real browser.
    void applicationAvailable() {
        AppInfo::setUrlOpener([](const QUrl&) {});
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        // The last file's probe goes first, since it takes the singletons with it.
        m_probe.reset();
        m_probe = std::make_unique<TestProbe>(*engine);
    }

    void cleanupTestCase() { m_probe.reset(); }

private:
    std::unique_ptr<TestProbe> m_probe;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)

#include "tst_qml.moc"
