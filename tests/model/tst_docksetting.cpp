// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "dock/DockService.h"
#include "state/DockSettings.h"
#include "stores/ProfileCoder.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QMetaMethod>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DockConfiguration)

namespace {

using C = DockConfiguration;

// A `defaults` that prints the value of each "key=value" pair as the real tool does, newline and all,
// and otherwise fails as it does for a missing key, with output that must not count as a value.
Platform platformPrinting(const TestHome& home, const QString& values) {
    QByteArray cases;
    for (const QString& pair : values.split(u' ', Qt::SkipEmptyParts))
        cases +=
            pair.section(u'=', 0, 0).toUtf8() + ") echo '" + pair.section(u'=', 1).toUtf8() + "'; exit 0;;\n";
    Platform platform = home.platform();
    platform.defaultsPath = TestFiles::writeExecutable(
        home.path() + u"/fake-defaults"_s,
        "[ \"$1 $2\" = 'read com.apple.dock' ] && case \"$3\" in\n" + cases +
            "esac\n"
            "printf 'The domain/default pair of (%s, %s) does not exist\\n' \"$2\" \"$3\" >&2\n"
            "echo 1; exit 1\n");
    return platform;
}

QByteArray propertyList(const QString& entries) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + entries.toUtf8() + "</dict></plist>";
}

} // namespace

// Each Dock setting, away from its default, through everything that handles it: the Dock's text and
// its exported file, the script that writes it, the profile file and the property the window shows.
// The expectations are written out by hand, so a row of the settings table that names a wrong key,
// member, field or property, drops a write or loses an inversion fails here.
class DockSettingTest : public QObject {
    Q_OBJECT

private:
    int m_settings = 0;

private Q_SLOTS:
    void everySettingTravelsWhole_data() {
        columns<int, QString, QString, C, QString, QString, QJsonValue, QString, QVariant, QByteArray>(
            "step", "printed", "stored", "configuration", "script", "field", "json", "property", "shown",
            "apply");
        m_settings = 0;
        // In the order the settings are written.
        const auto add = [this](const char* key, const QString& printed, const QString& stored, const C& c,
                                const QString& script, const QString& field, const QJsonValue& json,
                                const QString& property, const QVariant& shown, const QByteArray& apply) {
            QTest::newRow(key) << m_settings++ << printed << stored << c << script << field << json
                               << property << shown << apply;
        };
        add("tilesize", u"tilesize=36.5714282989502"_s, u"<key>tilesize</key><integer>36</integer>"_s,
            C{.dockSize = 36}, u"tilesize -int 36"_s, u"dockSize"_s, 36, u"dockSize"_s, 36.0,
            "applyDockSize()");
        add("magnification", u"magnification=YES"_s, u"<key>magnification</key><true/>"_s,
            C{.magnification = true}, u"magnification -bool true"_s, u"magnification"_s, true,
            u"isMagnificationEnabled"_s, true, "applyMagnification(bool)");
        add("largesize", u"largesize=96"_s, u"<key>largesize</key><real>96.7</real>"_s,
            C{.magnificationSize = 96}, u"largesize -int 96"_s, u"magnificationSize"_s, 96,
            u"magnificationSize"_s, 96.0, "applyMagnificationSize()");
        add("autohide", u"autohide=yes"_s, u"<key>autohide</key><integer>1</integer>"_s, C{.autoHide = true},
            u"autohide -bool true"_s, u"autoHide"_s, true, u"isAutoHideEnabled"_s, true,
            "applyAutoHide(bool)");
        add("autohide-delay", u"autohide-delay=0 autohide-time-modifier=0.2"_s,
            u"<key>autohide-delay</key><real>0</real><key>autohide-time-modifier</key><real>0.2</real>"_s,
            C{.fastAutoHide = true},
            u"autohide-delay -float 0\ndefaults write com.apple.dock autohide-time-modifier -float 0.2"_s,
            u"fastAutoHide"_s, true, u"fastAutoHide"_s, true, "applyFastAutoHide(bool)");
        // The Dock says whether it shows them; the window says whether they are hidden.
        add("show-recents", u"show-recents=0"_s, u"<key>show-recents</key><false/>"_s,
            C{.showRecentApps = false}, u"show-recents -bool false"_s, u"showRecentApps"_s, false,
            u"hideRecentApps"_s, true, "applyHideRecentApps(bool)");
        add("minimize-to-application", u"minimize-to-application=1"_s,
            u"<key>minimize-to-application</key><true/>"_s, C{.minimizeToApplication = true},
            u"minimize-to-application -bool true"_s, u"minimizeToApplication"_s, true,
            u"minimizeIntoAppIcon"_s, true, "applyMinimizeIntoAppIcon(bool)");
        add("showhidden", u"showhidden=True"_s, u"<key>showhidden</key><true/>"_s, C{.showHidden = true},
            u"showhidden -bool true"_s, u"showHidden"_s, true, u"dimHiddenApps"_s, true,
            "applyDimHiddenApps(bool)");
        add("static-only", u"static-only=1"_s, u"<key>static-only</key><true/>"_s,
            C{.showOnlyRunningApps = true}, u"static-only -bool true"_s, u"showOnlyRunningApps"_s, true,
            u"showOnlyRunningApps"_s, true, "applyShowOnlyRunningApps(bool)");
        add("show-process-indicators", u"show-process-indicators=No"_s,
            u"<key>show-process-indicators</key><false/>"_s, C{.showProcessIndicators = false},
            u"show-process-indicators -bool false"_s, u"showProcessIndicators"_s, false,
            u"showRunningIndicators"_s, false, "applyShowRunningIndicators(bool)");
        add("orientation", u"orientation=left"_s, u"<key>orientation</key><string>left</string>"_s,
            C{.orientation = DockPosition::left}, u"orientation -string left"_s, u"orientation"_s, u"left"_s,
            u"dockPosition"_s, u"left"_s, "applyDockPosition(QString)");
        add("mineffect", u"mineffect=scale"_s, u"<key>mineffect</key><string>scale</string>"_s,
            C{.minimizeEffect = MinimizeEffect::scale}, u"mineffect -string scale"_s, u"minimizeEffect"_s,
            u"scale"_s, u"minimizeEffect"_s, u"scale"_s, "applyMinimizeEffect(QString)");
    }

    void everySettingTravelsWhole() {
        QFETCH(int, step);
        QFETCH(C, configuration);
        QFETCH(QString, script);
        QFETCH(QString, field);
        QFETCH(QString, property);
        QFETCH(QVariant, shown);
        QFETCH(QByteArray, apply);
        TestHome home;

        QFETCH(QString, printed);
        const DockService printing{ShellService(platformPrinting(home, printed))};
        QCOMPARE(runTask(printing.readConfiguration()), configuration);
        QFETCH(QString, stored);
        QCOMPARE(DockService::parseConfiguration(propertyList(stored)), configuration);

        // Each setting is its own script in its own place, and a `defaults` that fails stops none.
        home.setVariable("BERTHWISE_RECORD_EXIT", "1");
        runTask(DockService(ShellService(home.recordingPlatform())).applyConfiguration(configuration));
        const QStringList scripts = home.recordedScripts();
        QCOMPARE(scripts.size(), m_settings);
        QCOMPARE(scripts.at(step), u"defaults write com.apple.dock "_s + script + u"\nkillall Dock"_s);

        DockProfile profile;
        static_cast<C&>(profile) = configuration;
        profile.createdAt = QDateTime(QDate(2025, 3, 14), QTime(9, 30), Qt::UTC);
        const QJsonObject encoded = ProfileCoder::encode(profile);
        QTEST(encoded.value(field), "json");
        QCOMPARE(ProfileCoder::decode(encoded), profile);

        // Shown the way the window shows it, and written back the way the Dock keeps it.
        QList<std::pair<QString, C>> written;
        DockSettings settings([&](DockSetting setting, C values) {
            written.append({setting.keys[0].toString(), values});
        });
        const QByteArray name = property.toUtf8();
        settings.updateSettings(configuration);
        QCOMPARE(settings.property(name), shown);
        settings.updateSettings(C());
        QVERIFY(settings.property(name) != shown);
        const QMetaMethod operation =
            settings.metaObject()->method(settings.metaObject()->indexOfMethod(apply.constData()));
        QVERIFY2(operation.isValid(), apply.constData());
        if (operation.parameterCount() == 0) {
            settings.setProperty(name, shown);
            QVERIFY(operation.invoke(&settings));
        } else {
            QVERIFY(operation.invoke(&settings, QGenericArgument(shown.typeName(), shown.constData())));
        }
        QCOMPARE(settings.property(name), shown);
        const QList<std::pair<QString, C>> expected{
            {QString::fromLatin1(QTest::currentDataTag()), configuration}};
        QCOMPARE(written, expected);
    }
};

QTEST_GUILESS_MAIN(DockSettingTest)
#include "tst_docksetting.moc"
