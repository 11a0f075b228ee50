// SPDX-License-Identifier: MIT
#include "DomainStore.h"

bool DomainStore::isValidName(std::string_view domain) {
    return !domain.empty() && domain.front() != '.' && domain.find('/') == std::string_view::npos &&
           domain.find('\0') == std::string_view::npos;
}

DomainStore::Domain DomainStore::load(std::string_view domain) const {
    const std::string name = fileName(domain);
    if (!m_folder.exists(name))
        return {};
    const std::optional<std::string> bytes = m_folder.read(name);
    if (!bytes)
        return {State::Unreadable, {}};
    PlistNode dictionary = PlistNode::fromBytes(*bytes);
    if (dictionary.type() != PLIST_DICT)
        return {State::Unreadable, {}};
    return {State::Loaded, std::move(dictionary)};
}

bool DomainStore::exists(std::string_view domain) const {
    return m_folder.exists(fileName(domain));
}

bool DomainStore::save(std::string_view domain, const PlistNode& dictionary, std::string& error) const {
    return m_folder.write(fileName(domain), dictionary.toBinary(), error);
}

bool DomainStore::remove(std::string_view domain, std::string& error) const {
    return m_folder.remove(fileName(domain), error);
}

std::optional<FolderLock> DomainStore::lock(std::string& error) const {
    return m_folder.lock(error);
}

std::string DomainStore::fileName(std::string_view domain) {
    return std::string(domain) + ".plist";
}
