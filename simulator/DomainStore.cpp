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

DomainStore::DomainStore(const SimulatorFolder& folder)
    : m_files(folder.path())
    , m_cache(folder.path() + "/Cache") {}

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

DomainStore::Domain DomainStore::read(std::string_view domain) const {
    const std::string name = fileName(domain);
    if (const std::optional<std::string> cached = m_cache.read(name))
        return decode(*cached);
    if (!m_files.exists(name))
        return {};
    std::string error;
    const std::optional<FolderLock> held = lock(error);
    if (!held) {
        // Without the lock nothing may be cached, but the file still says what the domain holds.
        const std::optional<std::string> bytes = m_files.read(name);
        return bytes ? checked(decode(*bytes)) : Domain{State::Missing, {}, {}};
    }
    return load(domain, *held);
}

DomainStore::Domain DomainStore::load(std::string_view domain, const FolderLock& /*held*/) const {
    const std::string name = fileName(domain);
    if (const std::optional<std::string> cached = m_cache.read(name))
        return decode(*cached);
    const std::optional<std::string> bytes = m_files.read(name);
    if (!bytes)
        return m_files.exists(name) ? Domain{State::Unreadable, {}, "its file cannot be read"} : Domain{};
    Domain loaded = checked(decode(*bytes));
    // A domain that cannot be cached is served from its file all the same.
    std::string ignored;
    if (loaded.state == State::Loaded)
        (void)m_cache.write(name, *bytes, ignored, AtomicFile::Durability::unflushed);
    return loaded;
}

bool DomainStore::exists(std::string_view domain) const {
    const std::string name = fileName(domain);
    return m_cache.exists(name) || m_files.exists(name);
}

bool DomainStore::save(std::string_view domain, const PlistNode& dictionary, const FolderLock& /*held*/,
                       std::string& error) const {
    const std::string bytes = dictionary.toBinary();
    // A file that does not decode would lose every setting in the domain at the next read.
    if (PlistNode::fromBytes(bytes).type() != PLIST_DICT) {
        error = "Could not store the domain " + std::string(domain) +
                ": its values would not read back. Defaults have not been changed.";
        return false;
    }
    const std::string name = fileName(domain);
    if (!m_files.write(name, bytes, error))
        return false;
    // A cache that cannot take the new values must not keep showing the old ones.
    return m_cache.write(name, bytes, error, AtomicFile::Durability::unflushed) ||
           m_cache.remove(name, error);
}

bool DomainStore::remove(std::string_view domain, const FolderLock& /*held*/, std::string& error) const {
    // The cache goes first: should the file then stay, the domain still reads as it is, not half gone.
    const std::string name = fileName(domain);
    return m_cache.remove(name, error) && m_files.remove(name, error);
}

bool DomainStore::dropCache(const FolderLock& /*held*/, std::string& error) const {
    return m_cache.clear(error);
}

std::optional<FolderLock> DomainStore::lock(std::string& error) const {
    return m_files.lock(error);
}

std::string DomainStore::fileName(std::string_view domain) {
    return std::string(domain) + ".plist";
}

DomainStore::Domain DomainStore::decode(const std::string& bytes) {
    PlistNode dictionary = PlistNode::fromBytes(bytes);
    if (dictionary.type() != PLIST_DICT)
        return {State::Unreadable, {}, "its file is not a property list with a dictionary at its top"};
    return {State::Loaded, std::move(dictionary), {}};
}

DomainStore::Domain DomainStore::checked(Domain domain) {
    // Such text could be neither printed nor exported unchanged, and a change to the domain would
    // write it back altered, so the domain is refused as a whole until it is imported anew or deleted.
    if (domain.state == State::Loaded) {
        if (std::string reason = refusalReason(domain.dictionary.get()); !reason.empty())
            return {State::Unreadable, {}, std::move(reason)};
    }
    return domain;
}
