// SPDX-License-Identifier: MIT
#include "DefaultsCommand.h"

#include "AtomicFile.h"
#include "DockLaunch.h"
#include "OpenStepParser.h"
#include "PlistBounds.h"
#include "PlistReader.h"
#include "Utf8.h"
#include "ValuePrinter.h"
#include "WholeFile.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int failureStatus = 1;
constexpr int usageStatus = 64;

constexpr char usageText[] = "usage: defaults read DOMAIN [KEY]\n"
                             "       defaults read-type DOMAIN KEY\n"
                             "       defaults write DOMAIN KEY [-int | -float | -bool | -string] VALUE\n"
                             "       defaults write DOMAIN KEY -array | -array-add VALUE...\n"
                             "       defaults delete DOMAIN [KEY]\n"
                             "       defaults export DOMAIN PATH\n"
                             "       defaults import DOMAIN PATH\n"
                             "A VALUE starting with '{' or '(' is an old-style property list.\n";

std::string text(std::string_view bytes) {
    return std::string(bytes);
}

std::string_view trimmed(std::string_view word) {
    constexpr std::string_view blank = " \t\n\v\f\r";
    const size_t first = word.find_first_not_of(blank);
    if (first == std::string_view::npos)
        return {};
    return word.substr(first, word.find_last_not_of(blank) - first + 1);
}

// The number is the whole word apart from surrounding blanks, with an optional sign.
bool parseInteger(std::string_view word, long long& number) {
    std::string_view digits = trimmed(word);
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
        if (digits.starts_with('-'))
            return false;
    }
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    return !digits.empty() && error == std::errc() && stop == end;
}

// Decimal notation only: strtod alone would also take hexadecimal, infinities and NaN.
bool parseReal(std::string_view word, double& number) {
    const std::string digits(trimmed(word));
    if (digits.empty() || digits.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return false;
    char* stop = nullptr;
    errno = 0;
    number = std::strtod(digits.c_str(), &stop);
    // A value too small to hold is refused like one too large; one that loses precision is kept.
    const bool outOfRange = errno == ERANGE && (number == 0 || !std::isfinite(number));
    return stop == digits.c_str() + digits.size() && !outOfRange && std::isfinite(number);
}

bool startsPropertyList(std::string_view word) {
    return word.starts_with('{') || word.starts_with('(');
}

} // namespace

int DefaultsCommand::run(std::span<const std::string_view> arguments) {
    if (arguments.size() < 2)
        return usage();
    const std::string_view command = arguments[0];
    const size_t count = arguments.size();
    const std::string_view domain = arguments[1];
    if (!DomainStore::isValidName(domain))
        return usage('"' + text(domain) + "\" is not a domain name this tool supports.");
    const std::optional<std::string_view> optionalKey =
        count == 3 ? std::optional(arguments[2]) : std::nullopt;
    const bool known = (command == "read" && count <= 3) || (command == "read-type" && count == 3) ||
                       (command == "write" && count >= 4) || (command == "delete" && count <= 3) ||
                       ((command == "export" || command == "import") && count == 3);
    if (!known)
        return usage();
    DockLaunch::ensureRunning(m_store);
    if (command == "read")
        return read(domain, optionalKey);
    if (command == "read-type")
        return readType(domain, arguments[2]);
    if (command == "write")
        return write(domain, arguments[2], arguments.subspan(3));
    if (command == "delete")
        return remove(domain, optionalKey);
    if (command == "export")
        return exportDomain(domain, arguments[2]);
    return importDomain(domain, arguments[2]);
}

int DefaultsCommand::read(std::string_view domain, std::optional<std::string_view> key) {
    const DomainStore::Domain loaded = m_store.read(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain, loaded);
    if (!key) {
        if (loaded.state == DomainStore::State::Missing)
            return fail("Domain " + text(domain) + " does not exist");
        print(m_out, ValuePrinter::print(loaded.dictionary.get()) + '\n');
        return 0;
    }
    const plist_t value = loaded.dictionary.isNull()
                              ? nullptr
                              : plist_dict_get_item(loaded.dictionary.get(), text(*key).c_str());
    if (!value)
        return missingPair(domain, *key);
    print(m_out, ValuePrinter::print(value) + '\n');
    return 0;
}

int DefaultsCommand::readType(std::string_view domain, std::string_view key) {
    const DomainStore::Domain loaded = m_store.read(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain, loaded);
    const plist_t value = loaded.dictionary.isNull()
                              ? nullptr
                              : plist_dict_get_item(loaded.dictionary.get(), text(key).c_str());
    if (!value)
        return missingPair(domain, key);
    print(m_out, "Type is " + ValuePrinter::typeName(value) + '\n');
    return 0;
}

int DefaultsCommand::write(std::string_view domain, std::string_view key,
                           std::span<const std::string_view> words) {
    // Everything is parsed and checked before the domain is touched, so a rejected value changes nothing.
    if (!Utf8::isValid(key))
        return fail("Cannot use the key " + text(key) + " in " + text(domain) + ": it is not UTF-8 text.");
    bool appends = false;
    int status = 0;
    PlistNode value = valueFrom(words, appends, status);
    if (value.isNull())
        return status;
    if (const std::string reason = DomainStore::refusalReason(value.get()); !reason.empty())
        return fail("Cannot store the value of " + text(key) + " in " + text(domain) + ": " + reason + '.');

    std::string error;
    const std::optional<FolderLock> lock = m_store.lock(error);
    if (!lock)
        return fail(error);
    DomainStore::Domain loaded = m_store.load(domain, *lock);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain, loaded);
    PlistNode dictionary = loaded.state == DomainStore::State::Loaded ? std::move(loaded.dictionary)
                                                                      : PlistNode(plist_new_dict());

    const std::string keyText = text(key);
    const plist_t existing = plist_dict_get_item(dictionary.get(), keyText.c_str());
    if (appends && existing) {
        if (plist_get_node_type(existing) != PLIST_ARRAY)
            return fail("Cannot add to the value of " + keyText + " in " + text(domain) +
                        ": it is not an array.");
        for (const plist_t item : PlistReader::items(value.get()))
            plist_array_append_item(existing, plist_copy(item));
    } else {
        plist_dict_set_item(dictionary.get(), keyText.c_str(), value.release());
    }
    if (!m_store.save(domain, dictionary, *lock, error))
        return fail(error);
    return 0;
}

PlistNode DefaultsCommand::valueFrom(std::span<const std::string_view> words, bool& appends, int& status) {
    status = failureStatus;
    const std::string_view first = words.front();
    if (!first.starts_with('-')) {
        if (words.size() != 1) {
            status = usage("Only one value can follow the key; use -array for a list.");
            return {};
        }
        return plainValue(first);
    }

    if (first == "-array" || first == "-array-add") {
        appends = first == "-array-add";
        PlistNode array(plist_new_array());
        for (const std::string_view word : words.subspan(1)) {
            PlistNode element = plainValue(word);
            if (element.isNull())
                return {};
            plist_array_append_item(array.get(), element.release());
        }
        return array;
    }

    const bool knownFlag = first == "-string" || first == "-int" || first == "-integer" ||
                           first == "-float" || first == "-bool" || first == "-boolean";
    if (!knownFlag) {
        status = usage("Unknown type flag " + text(first) + '.');
        return {};
    }
    if (words.size() != 2) {
        status = usage(text(first) + " takes exactly one value.");
        return {};
    }
    return typedValue(first, words[1]);
}

// A word after a type flag or in an array: old-style text when it looks like a collection, else a string.
PlistNode DefaultsCommand::plainValue(std::string_view word) {
    if (!startsPropertyList(word))
        return PlistNode(plist_new_string(text(word).c_str()));
    OpenStepParser parser(word);
    PlistNode value = parser.parse();
    if (value.isNull())
        fail("Could not parse: " + text(word) + " (" + parser.errorMessage() + ").  Try single-quoting it.");
    return value;
}

PlistNode DefaultsCommand::typedValue(std::string_view flag, std::string_view word) {
    if (flag == "-string")
        return PlistNode(plist_new_string(text(word).c_str()));
    if (flag == "-int" || flag == "-integer") {
        long long number = 0;
        if (parseInteger(word, number))
            return PlistNode(plist_new_uint(uint64_t(number)));
        fail("Could not parse \"" + text(word) + "\" as an integer.");
        return {};
    }
    if (flag == "-float") {
        double number = 0;
        if (parseReal(word, number))
            return PlistNode(plist_new_real(number));
        fail("Could not parse \"" + text(word) + "\" as a floating-point number.");
        return {};
    }
    std::string lower = text(word);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    if (lower == "true" || lower == "yes" || lower == "1")
        return PlistNode(plist_new_bool(1));
    if (lower == "false" || lower == "no" || lower == "0")
        return PlistNode(plist_new_bool(0));
    fail("Could not parse \"" + text(word) + "\" as a boolean; use true, false, yes, no, 1 or 0.");
    return {};
}

int DefaultsCommand::remove(std::string_view domain, std::optional<std::string_view> key) {
    const std::string notFound = "Domain (" + text(domain) + ") not found.\nDefaults have not been changed.";
    if (!m_store.exists(domain))
        return fail(notFound);
    std::string error;
    const std::optional<FolderLock> lock = m_store.lock(error);
    if (!lock)
        return fail(error);
    if (!key)
        return m_store.remove(domain, *lock, error) ? 0 : fail(error);

    DomainStore::Domain loaded = m_store.load(domain, *lock);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain, loaded);
    if (loaded.state == DomainStore::State::Missing)
        return fail(notFound);
    const std::string keyText = text(*key);
    if (!plist_dict_get_item(loaded.dictionary.get(), keyText.c_str()))
        return missingPair(domain, *key);
    plist_dict_remove_item(loaded.dictionary.get(), keyText.c_str());
    return m_store.save(domain, loaded.dictionary, *lock, error) ? 0 : fail(error);
}

int DefaultsCommand::exportDomain(std::string_view domain, std::string_view path) {
    const DomainStore::Domain loaded = m_store.read(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain, loaded);
    if (loaded.state == DomainStore::State::Missing)
        return fail("Domain " + text(domain) + " does not exist");
    if (path == "-") {
        print(m_out, loaded.dictionary.toXml());
        return 0;
    }
    std::string error;
    return AtomicFile::write(text(path), loaded.dictionary.toBinary(), error) ? 0 : fail(error);
}

int DefaultsCommand::importDomain(std::string_view domain, std::string_view path) {
    const std::optional<std::string> bytes =
        path == "-" ? WholeFile::read(STDIN_FILENO) : WholeFile::read(text(path));
    if (!bytes)
        return fail("Could not read " + text(path) + ": " + std::strerror(errno));
    if (!PlistBounds::hold(*bytes))
        return fail("Cannot import " + text(path) + " into " + text(domain) + ": it nests deeper than " +
                    std::to_string(PlistBounds::maximumDepth) + " levels or holds more than " +
                    std::to_string(PlistBounds::maximumValues) + " values.");
    const PlistNode imported = PlistNode::fromBytes(*bytes);
    if (imported.isNull())
        return fail(text(path) + " is not a property list.");
    if (imported.type() != PLIST_DICT)
        return fail("The property list in " + text(path) + " does not have a dictionary at its top.");
    if (const std::string reason = DomainStore::refusalReason(imported.get()); !reason.empty())
        return fail("Cannot import " + text(path) + " into " + text(domain) + ": " + reason + '.');

    std::string error;
    const std::optional<FolderLock> lock = m_store.lock(error);
    if (!lock)
        return fail(error);
    return m_store.save(domain, imported, *lock, error) ? 0 : fail(error);
}

void DefaultsCommand::print(std::FILE* stream, std::string_view output) const {
    std::fwrite(output.data(), 1, output.size(), stream);
}

int DefaultsCommand::fail(const std::string& message) const {
    print(m_err, message + '\n');
    return failureStatus;
}

int DefaultsCommand::usage(const std::string& problem) const {
    if (!problem.empty())
        print(m_err, problem + '\n');
    print(m_err, usageText);
    return usageStatus;
}

int DefaultsCommand::missingPair(std::string_view domain, std::string_view key) const {
    return fail("The domain/default pair of (" + text(domain) + ", " + text(key) + ") does not exist");
}

// The same words whatever the command, since each refuses the domain for the same reason.
int DefaultsCommand::unreadable(std::string_view domain, const DomainStore::Domain& loaded) const {
    return fail("The domain " + text(domain) + " cannot be used: " + loaded.problem +
                ". Import a property list over it or delete it.");
}
