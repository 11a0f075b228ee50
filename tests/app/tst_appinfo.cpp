// SPDX-License-Identifier: MIT
#include "AppInfo.h"
#include "Columns.h"

#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// What the About screen shows for the version entries it finds, and which addresses it hands to
// the browser.
class TestAppInfo : public QObject {
    Q_OBJECT

private:
    QList<QUrl> m_handedOn;

private Q_SLOTS:
    // Nothing leaves the machine.
    void initTestCase() {
        AppInfo::setUrlOpener([this](const QUrl& url) { m_handedOn.append(url); });
    }

    void onlyWebAddressesReachTheBrowser_data() {
        columns<QString, bool>("address", "opened");
        QTest::newRow("https") << u"https://berthwise.app/contact"_s << true;
        QTest::newRow("mail link") << u"mailto:hello@berthwise.app"_s << false;
        QTest::newRow("local file") << u"file:///etc/passwd"_s << false;
        QTest::newRow("does not parse") << u"https://berthwise app/%zz"_s << false;
    }

    void onlyWebAddressesReachTheBrowser() {
        QFETCH(QString, address);
        m_handedOn.clear();
        const bool opened = AppInfo().openAddress(address);
        QTEST(opened, "opened");
        QCOMPARE(m_handedOn, opened ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
    }
};

QTEST_GUILESS_MAIN(TestAppInfo)
#include "tst_appinfo.moc"
