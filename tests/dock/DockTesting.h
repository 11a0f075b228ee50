// SPDX-License-Identifier: MIT
#pragma once

#include "dock/DockService.h"
#include "model/CapturedDockConfiguration.h"

#include <QFile>
#include <QScopeGuard>
#include <QString>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

// One call on the service, as a table row; capture-less, so the task outlives nothing it needs.
using DockOperation = std::function<QCoro::Task<>(const DockService&)>;

Q_DECLARE_METATYPE(CapturedDockConfiguration)
Q_DECLARE_METATYPE(DockOperation)

// Lets QCOMPARE show which setting differs instead of two opaque values.
inline char* toString(const CapturedDockConfiguration& c) {
    const auto onOff = [](bool value) { return value ? "on" : "off"; };
    return QTest::toString(
        u"size %1, magnification %2 at %3, auto-hide %4, fast %5, recents %6, into app %7, dim hidden %8, "
        "only running %9, indicators %10, %11, %12"_s.arg(c.dockSize)
            .arg(QString::fromLatin1(onOff(c.magnification)))
            .arg(c.magnificationSize)
            .arg(QString::fromLatin1(onOff(c.autoHide)), QString::fromLatin1(onOff(c.fastAutoHide)),
                 QString::fromLatin1(onOff(c.showRecentApps)),
                 QString::fromLatin1(onOff(c.minimizeToApplication)),
                 QString::fromLatin1(onOff(c.showHidden)), QString::fromLatin1(onOff(c.showOnlyRunningApps)),
                 QString::fromLatin1(onOff(c.showProcessIndicators)), rawValue(c.orientation),
                 rawValue(c.minimizeEffect)));
}

// An uncustomised Dock's reading with the given changes.
inline CapturedDockConfiguration configured(const std::function<void(CapturedDockConfiguration&)>& change) {
    CapturedDockConfiguration configuration;
    change(configuration);
    return configuration;
}

// Every setting away from its default, so a value that is dropped anywhere on the way shows.
inline CapturedDockConfiguration customisedConfiguration() {
    return configured([](CapturedDockConfiguration& c) {
        c.dockSize = 36;
        c.magnification = true;
        c.magnificationSize = 96;
        c.autoHide = true;
        c.fastAutoHide = true;
        c.showRecentApps = false;
        c.minimizeToApplication = true;
        c.showHidden = true;
        c.showOnlyRunningApps = true;
        c.showProcessIndicators = false;
        c.orientation = DockPosition::left;
        c.minimizeEffect = MinimizeEffect::scale;
    });
}

// Sets an environment variable that the programs started by the test inherit, until the guard ends.
[[nodiscard]] inline auto scopedVariable(const char* name, const QByteArray& value) {
    qputenv(name, value);
    return qScopeGuard([name] { qunsetenv(name); });
}

// Writes an executable shell script, the quickest stand-in for a system tool with a behaviour of its own.
inline QString writeExecutable(const QString& path, const QByteArray& body) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
}
