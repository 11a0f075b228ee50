// SPDX-License-Identifier: MIT
// Runs the tst_*.qml files it is given; each file gets a fresh home and a fresh view model that
// records the scripts it would run instead of running them.
#include "AppInfo.h"
#include "DockViewModelSingleton.h"
#include "TestHome.h"
#include "TestProbe.h"
#include "state/DockViewModel.h"

#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/QQmlExtensionPlugin>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)
Q_IMPORT_QML_PLUGIN(BerthwiseTestPlugin)

using namespace Qt::StringLiterals;

namespace {
TestProbe* currentProbe = nullptr;
}

// Gives each test file its own world, so that no file sees another's files or status.
class Setup : public QObject {
    Q_OBJECT

public:
    Setup() = default;
    ~Setup() override { release(); }

public Q_SLOTS:
    void applicationAvailable() {
        AppInfo::setUrlOpener([](const QUrl& url) {
            if (currentProbe)
                currentProbe->recordOpenedAddress(url.toString());
        });
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(u"qrc:/qt/qml"_s);
        release();
        m_home = std::make_unique<TestHome>();
        m_viewModel = std::make_unique<DockViewModel>(m_home->recordingPlatform(), &TestProbe::now);
        m_probe = std::make_unique<TestProbe>(*m_home, *m_viewModel);
        DockViewModelSingleton::setInstance(m_viewModel.get());
        currentProbe = m_probe.get();
        TestProbe::setInstance(currentProbe);
        waitForStartupRead();
        m_home->clearRecords();
    }

    void cleanupTestCase() { release(); }

private:
    // The recording shell prints nothing, so the start-up read lands the key table's defaults,
    // whose magnified size (128) differs from the initial 96: that change marks the read's end.
    // Tests start after it, so a late read cannot overwrite what they set.
    void waitForStartupRead() {
        QSignalSpy landed(m_viewModel.get(), &DockViewModel::magnificationSizeChanged);
        const bool read = QTest::qWaitFor(
            [&] { return !landed.isEmpty() || m_viewModel->magnificationSize() == 128; }, 60'000);
        if (!read)
            qFatal("The start-up read of the Dock never ended");
    }

    // Operations still running would resume into a destroyed view model.
    void release() {
        if (m_probe)
            m_probe->waitUntilIdle();
        DockViewModelSingleton::setInstance(nullptr);
        TestProbe::setInstance(nullptr);
        currentProbe = nullptr;
        m_probe.reset();
        m_viewModel.reset();
        m_home.reset();
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<DockViewModel> m_viewModel;
    std::unique_ptr<TestProbe> m_probe;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qml, Setup)

#include "tst_qml.moc"
