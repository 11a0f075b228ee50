// SPDX-License-Identifier: MIT
#include "AppInfo.h"

#include "BuildInfo.h"

#include <QDesktopServices>
#include <QUrl>

#ifdef Q_OS_MACOS
#include <CoreFoundation/CoreFoundation.h>
#endif

using namespace Qt::StringLiterals;

namespace {

AppInfo::UrlOpener& urlOpener() {
    static AppInfo::UrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

QString stringOr(const QVariant& entry, const QString& fallback) {
    if (entry.typeId() != QMetaType::QString)
        return fallback;
    const QString text = entry.toString().trimmed();
    return text.isEmpty() ? fallback : text;
}

#ifdef Q_OS_MACOS
// Only a string entry is passed on; anything else there counts as missing.
QVariant bundleEntry(CFStringRef key) {
    const CFBundleRef bundle = CFBundleGetMainBundle();
    const CFTypeRef entry = bundle ? CFBundleGetValueForInfoDictionaryKey(bundle, key) : nullptr;
    if (entry == nullptr || CFGetTypeID(entry) != CFStringGetTypeID())
        return {};
    return QString::fromCFString(static_cast<CFStringRef>(entry));
}
#endif

// The bundle is what the user installed, so on macOS it has the last word over the compiled-in facts.
AppInfo::VersionFacts installedVersion() {
#ifdef Q_OS_MACOS
    return AppInfo::versionOrDefaults(bundleEntry(CFSTR("CFBundleShortVersionString")),
                                      bundleEntry(CFSTR("CFBundleVersion")));
#else
    return AppInfo::versionOrDefaults(QString::fromUtf8(BuildInfo::version),
                                      QString::fromUtf8(BuildInfo::buildNumber));
#endif
}

} // namespace

AppInfo::AppInfo(QObject* parent)
    : QObject(parent)
    , m_versionFacts(installedVersion()) {}

AppInfo::VersionFacts AppInfo::versionOrDefaults(const QVariant& version, const QVariant& buildNumber) {
    return {stringOr(version, u"1.0"_s), stringOr(buildNumber, u"1"_s)};
}

QString AppInfo::makerName() const {
    return u"Berthwise"_s;
}

QString AppInfo::makerInitials() const {
    return u"BW"_s;
}

QString AppInfo::makerDescription() const {
    return tr("Small, careful tools for the Mac desktop.");
}

QString AppInfo::website() const {
    return QString::fromUtf8(BuildInfo::website);
}

QString AppInfo::productPage() const {
    return website() + u"/berthwise"_s;
}

QString AppInfo::contactPage() const {
    return QString::fromUtf8(BuildInfo::contactPage);
}

QString AppInfo::displayAddress(const QString& address) {
    QString shown = address;
    const qsizetype schemeEnd = shown.indexOf(u"://"_s);
    if (schemeEnd >= 0)
        shown.remove(0, schemeEnd + 3);
    while (shown.endsWith(u'/'))
        shown.chop(1);
    return shown;
}

bool AppInfo::openAddress(const QString& address) const {
    const QUrl url(address, QUrl::StrictMode);
    const bool web = url.scheme() == u"https"_s || url.scheme() == u"http"_s;
    if (!url.isValid() || !web || url.host().isEmpty())
        return false;
    urlOpener()(url);
    return true;
}

void AppInfo::setUrlOpener(UrlOpener opener) {
    urlOpener() = std::move(opener);
}
