// SPDX-License-Identifier: MIT
#include "DomainStore.h"

#include "PlistReader.h"
#include "Utf8.h"

#include <vector>

namespace {

const char* textRefusal(const std::string& text) {
    if (text.find('\0') != std::string::npos)
        return "it holds text with a NUL character";
    if (!Utf8::isValid(text))
        return "it holds text that is not UTF-8";
    return nullptr;
}

} // namespace

bool DomainStore::isValidName(std::string_view domain) {
    return !domain.empty() && domain.front() != '.' && domain.find('/') == std::string_view::npos &&
           domain.find('\0') == std::string_view::npos && Utf8::isValid(domain);
}

std::string DomainStore::refusalReason(plist_t value) {
    // Without recursion, although trees are only as deep as parsing lets them be.
    std::vector<plist_t> pending{value};
    while (!pending.empty()) {
        const plist_t node = pending.back();
        pending.pop_back();
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            if (const char* reason = textRefusal(PlistReader::string(node)))
                return reason;
            break;
        case PLIST_DICT:
            for (const auto& [key, item] : PlistReader::entries(node)) {
                if (const char* reason = textRefusal(key))
                    return reason;
                pending.push_back(item);
            }
            break;
        case PLIST_ARRAY:
            for (const plist_t item : PlistReader::items(node))
                pending.push_back(item);
            break;
        default:
            break;
        }
    }
    return {};
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
    const std::string bytes = dictionary.toBinary();
    // A file that does not decode would lose every setting in the domain at the next read.
    if (PlistNode::fromBytes(bytes).type() != PLIST_DICT) {
        error = "Could not store the domain " + std::string(domain) +
                ": its values would not read back. Defaults have not been changed.";
        return false;
    }
    return m_folder.write(fileName(domain), bytes, error);
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
