// SPDX-License-Identifier: MIT
#include "AppInfo.h"

#include "BuildInfo.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

AppInfo::UrlOpener& urlOpener() {
    static AppInfo::UrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

// An empty setting in the build means "not set", which shows the same as a missing entry.
QString orDefault(const char* value, const QString& fallback) {
    const QString text = QString::fromUtf8(value).trimmed();
    return text.isEmpty() ? fallback : text;
}

} // namespace

AppInfo::AppInfo(QObject* parent)
    : QObject(parent) {}

QString AppInfo::version() const {
    return orDefault(BuildInfo::version, u"1.0"_s);
}

QString AppInfo::buildNumber() const {
    return orDefault(BuildInfo::buildNumber, u"1"_s);
}

QString AppInfo::makerName() const {
    return u"Berthwise"_s;
}

QString AppInfo::makerInitials() const {
    return u"BW"_s;
}

QString AppInfo::makerDescription() const {
    return u"Small, careful tools for the Mac desktop."_s;
}

QString AppInfo::website() const {
    return QString::fromUtf8(BuildInfo::website);
}

QString AppInfo::productPage() const {
    return website() + u"/berthwise"_s;
}

QString AppInfo::contactPage() const {
    return u"mailto:"_s + contactEmail();
}

QString AppInfo::contactEmail() const {
    return QString::fromUtf8(BuildInfo::contactEmail);
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
    const bool reachable = url.scheme() == u"mailto"_s ? !url.path().isEmpty() : !url.host().isEmpty();
    if (!url.isValid() || url.isRelative() || !reachable)
        return false;
    urlOpener()(url);
    return true;
}

void AppInfo::setUrlOpener(UrlOpener opener) {
    urlOpener() = std::move(opener);
}
