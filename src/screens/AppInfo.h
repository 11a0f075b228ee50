// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqml.h>

#include <functional>

// The product's fixed facts for the About screen: version, build and the maker's addresses.
class AppInfo : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString buildNumber READ buildNumber CONSTANT)
    Q_PROPERTY(QString makerName READ makerName CONSTANT)
    Q_PROPERTY(QString makerInitials READ makerInitials CONSTANT)
    Q_PROPERTY(QString makerDescription READ makerDescription CONSTANT)
    Q_PROPERTY(QString website READ website CONSTANT)
    Q_PROPERTY(QString productPage READ productPage CONSTANT)
    Q_PROPERTY(QString contactPage READ contactPage CONSTANT)

public:
    using UrlOpener = std::function<void(const QUrl&)>;

    struct VersionFacts {
        QString version;
        QString buildNumber;
    };

    explicit AppInfo(QObject* parent = nullptr);

    [[nodiscard]] QString version() const { return m_versionFacts.version; }
    [[nodiscard]] QString buildNumber() const { return m_versionFacts.buildNumber; }
    [[nodiscard]] QString makerName() const;
    [[nodiscard]] QString makerInitials() const;
    [[nodiscard]] QString makerDescription() const;
    [[nodiscard]] QString website() const;
    [[nodiscard]] QString productPage() const;
    [[nodiscard]] QString contactPage() const;

    // The version and build shown for the two entries as they were looked up: one that is missing,
    // not a string or blank shows as "1.0" and "1", so a damaged bundle still reads sensibly.
    [[nodiscard]] static VersionFacts versionOrDefaults(const QVariant& version, const QVariant& buildNumber);

    // The address as the user reads it: without its scheme and trailing slash.
    Q_INVOKABLE [[nodiscard]] static QString displayAddress(const QString& address);
    // Opens the web address in the default browser; anything that does not parse as an http or
    // https address with a host does nothing. Returns whether it was handed on.
    Q_INVOKABLE bool openAddress(const QString& address) const;

    // Tests replace the browser so that nothing leaves the machine.
    static void setUrlOpener(UrlOpener opener);

private:
    VersionFacts m_versionFacts;
};
