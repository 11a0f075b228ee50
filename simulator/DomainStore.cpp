// SPDX-License-Identifier: MIT
#include "DomainStore.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

bool DomainStore::isValidName(const QString& domain) {
    return !domain.isEmpty() && !domain.startsWith(u'.') && !domain.contains(u'/') &&
           !domain.contains(QChar(0));
}

DomainStore::Domain DomainStore::load(const QString& domain) const {
    const QString name = fileName(domain);
    if (!QFileInfo::exists(m_folder.filePath(name)))
        return {};
    const std::optional<QByteArray> bytes = m_folder.read(name);
    if (!bytes)
        return {State::Unreadable, {}};
    PlistNode dictionary = PlistNode::fromBytes(*bytes);
    if (dictionary.type() != PLIST_DICT)
        return {State::Unreadable, {}};
    return {State::Loaded, std::move(dictionary)};
}

bool DomainStore::exists(const QString& domain) const {
    return QFileInfo::exists(m_folder.filePath(fileName(domain)));
}

bool DomainStore::save(const QString& domain, const PlistNode& dictionary, QString& error) const {
    return m_folder.write(fileName(domain), dictionary.toBinary(), error);
}

bool DomainStore::remove(const QString& domain, QString& error) const {
    return m_folder.remove(fileName(domain), error);
}

std::unique_ptr<QLockFile> DomainStore::lock(const QString& domain, QString& error) const {
    return m_folder.lock(fileName(domain), error);
}

QString DomainStore::fileName(const QString& domain) {
    return domain + u".plist"_s;
}
