// SPDX-License-Identifier: MIT
#include "DefaultsCommand.h"

#include "OpenStepParser.h"
#include "ValuePrinter.h"

#include <QFile>
#include <QSaveFile>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

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

void print(std::FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
}

int fail(const QString& message) {
    print(stderr, message.toUtf8() + '\n');
    return failureStatus;
}

int usage(const QString& problem = {}) {
    if (!problem.isEmpty())
        print(stderr, problem.toUtf8() + '\n');
    print(stderr, usageText);
    return usageStatus;
}

QString text(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

int missingPair(const QString& domain, const QByteArray& key) {
    return fail(u"The domain/default pair of (%1, %2) does not exist"_s.arg(domain, text(key)));
}

int unreadable(const QString& domain) {
    return fail(
        u"The domain %1 is stored in a file that is not a property list with a dictionary at its top."_s.arg(
            domain));
}

bool startsPropertyList(const QByteArray& word) {
    return word.startsWith('{') || word.startsWith('(');
}

// A word after a type flag or in an array: old-style text when it looks like a collection, else a string.
PlistNode plainValue(const QByteArray& word) {
    if (!startsPropertyList(word))
        return PlistNode(plist_new_string(word.constData()));
    OpenStepParser parser(word);
    PlistNode value = parser.parse();
    if (value.isNull())
        fail(u"Could not parse: %1 (%2).  Try single-quoting it."_s.arg(text(word), parser.errorMessage()));
    return value;
}

PlistNode integerValue(const QByteArray& word) {
    bool ok = false;
    const qlonglong number = word.toLongLong(&ok, 10);
    if (!ok) {
        fail(u"Could not parse \"%1\" as an integer."_s.arg(text(word)));
        return {};
    }
    return PlistNode(plist_new_uint(uint64_t(number)));
}

PlistNode realValue(const QByteArray& word) {
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        fail(u"Could not parse \"%1\" as a floating-point number."_s.arg(text(word)));
        return {};
    }
    return PlistNode(plist_new_real(number));
}

PlistNode booleanValue(const QByteArray& word) {
    const QByteArray lower = word.toLower();
    if (lower == "true" || lower == "yes" || lower == "1")
        return PlistNode(plist_new_bool(1));
    if (lower == "false" || lower == "no" || lower == "0")
        return PlistNode(plist_new_bool(0));
    fail(u"Could not parse \"%1\" as a boolean; use true, false, yes, no, 1 or 0."_s.arg(text(word)));
    return {};
}

} // namespace

int DefaultsCommand::run(const QByteArrayList& arguments) {
    if (arguments.isEmpty())
        return usage();
    const QByteArray& command = arguments.first();
    const qsizetype count = arguments.size();
    if (count < 2)
        return usage();
    const QString domain = text(arguments.at(1));
    if (!DomainStore::isValidName(domain))
        return usage(u"\"%1\" is not a domain name this tool supports."_s.arg(domain));
    const auto optionalKey = [&]() -> std::optional<QByteArray> {
        return count == 3 ? std::optional(arguments.at(2)) : std::nullopt;
    };
    if (command == "read" && count <= 3)
        return read(domain, optionalKey());
    if (command == "read-type" && count == 3)
        return readType(domain, arguments.at(2));
    if (command == "write" && count >= 4)
        return write(domain, arguments.at(2), arguments.sliced(3));
    if (command == "delete" && count <= 3)
        return remove(domain, optionalKey());
    if (command == "export" && count == 3)
        return exportDomain(domain, arguments.at(2));
    if (command == "import" && count == 3)
        return importDomain(domain, arguments.at(2));
    return usage();
}

int DefaultsCommand::read(const QString& domain, const std::optional<QByteArray>& key) {
    const DomainStore::Domain loaded = m_store.load(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain);
    if (!key) {
        if (loaded.state == DomainStore::State::Missing)
            return fail(u"Domain %1 does not exist"_s.arg(domain));
        print(stdout, ValuePrinter::print(loaded.dictionary.get()) + '\n');
        return 0;
    }
    const plist_t value =
        loaded.dictionary.isNull() ? nullptr : plist_dict_get_item(loaded.dictionary.get(), key->constData());
    if (!value)
        return missingPair(domain, *key);
    print(stdout, ValuePrinter::print(value) + '\n');
    return 0;
}

int DefaultsCommand::readType(const QString& domain, const QByteArray& key) {
    const DomainStore::Domain loaded = m_store.load(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain);
    const plist_t value =
        loaded.dictionary.isNull() ? nullptr : plist_dict_get_item(loaded.dictionary.get(), key.constData());
    if (!value)
        return missingPair(domain, key);
    print(stdout, "Type is " + ValuePrinter::typeName(value) + '\n');
    return 0;
}

int DefaultsCommand::write(const QString& domain, const QByteArray& key, const QByteArrayList& values) {
    // Everything is parsed before the domain is touched, so a rejected value changes nothing.
    bool appends = false;
    int status = 0;
    PlistNode value = valueFrom(values, appends, status);
    if (value.isNull())
        return status;

    QString error;
    const auto lock = m_store.lock(domain, error);
    if (!lock)
        return fail(error);
    DomainStore::Domain loaded = m_store.load(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain);
    PlistNode dictionary = loaded.state == DomainStore::State::Loaded ? std::move(loaded.dictionary)
                                                                      : PlistNode(plist_new_dict());

    const plist_t existing = plist_dict_get_item(dictionary.get(), key.constData());
    if (appends && existing) {
        if (plist_get_node_type(existing) != PLIST_ARRAY)
            return fail(u"Cannot add to the value of %1 in %2: it is not an array."_s.arg(text(key), domain));
        const uint32_t count = plist_array_get_size(value.get());
        for (uint32_t i = 0; i < count; ++i)
            plist_array_append_item(existing, plist_copy(plist_array_get_item(value.get(), i)));
    } else {
        plist_dict_set_item(dictionary.get(), key.constData(), value.release());
    }
    if (!m_store.save(domain, dictionary, error))
        return fail(error);
    return 0;
}

PlistNode DefaultsCommand::valueFrom(const QByteArrayList& words, bool& appends, int& status) {
    status = failureStatus;
    const QByteArray& first = words.first();
    if (!first.startsWith('-')) {
        if (words.size() != 1) {
            status = usage(u"Only one value can follow the key; use -array for a list."_s);
            return {};
        }
        return plainValue(first);
    }

    if (first == "-array" || first == "-array-add") {
        appends = first == "-array-add";
        PlistNode array(plist_new_array());
        for (const QByteArray& word : words.sliced(1)) {
            PlistNode element = plainValue(word);
            if (element.isNull())
                return {};
            plist_array_append_item(array.get(), element.release());
        }
        return array;
    }

    using Converter = PlistNode (*)(const QByteArray&);
    Converter convert = nullptr;
    if (first == "-string")
        convert = [](const QByteArray& word) { return PlistNode(plist_new_string(word.constData())); };
    else if (first == "-int" || first == "-integer")
        convert = integerValue;
    else if (first == "-float")
        convert = realValue;
    else if (first == "-bool" || first == "-boolean")
        convert = booleanValue;
    if (!convert) {
        status = usage(u"Unknown type flag %1."_s.arg(text(first)));
        return {};
    }
    if (words.size() != 2) {
        status = usage(u"%1 takes exactly one value."_s.arg(text(first)));
        return {};
    }
    return convert(words.at(1));
}

int DefaultsCommand::remove(const QString& domain, const std::optional<QByteArray>& key) {
    if (!m_store.exists(domain))
        return fail(u"Domain (%1) not found.\nDefaults have not been changed."_s.arg(domain));
    QString error;
    const auto lock = m_store.lock(domain, error);
    if (!lock)
        return fail(error);
    if (!key)
        return m_store.remove(domain, error) ? 0 : fail(error);

    DomainStore::Domain loaded = m_store.load(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain);
    if (loaded.state == DomainStore::State::Missing)
        return fail(u"Domain (%1) not found.\nDefaults have not been changed."_s.arg(domain));
    if (!plist_dict_get_item(loaded.dictionary.get(), key->constData()))
        return missingPair(domain, *key);
    plist_dict_remove_item(loaded.dictionary.get(), key->constData());
    return m_store.save(domain, loaded.dictionary, error) ? 0 : fail(error);
}

int DefaultsCommand::exportDomain(const QString& domain, const QByteArray& path) {
    const DomainStore::Domain loaded = m_store.load(domain);
    if (loaded.state == DomainStore::State::Unreadable)
        return unreadable(domain);
    if (loaded.state == DomainStore::State::Missing)
        return fail(u"Domain %1 does not exist"_s.arg(domain));
    if (path == "-") {
        print(stdout, loaded.dictionary.toXml());
        return 0;
    }
    const QByteArray bytes = loaded.dictionary.toBinary();
    QSaveFile file(QFile::decodeName(path));
    // Unbuffered, so a write cut short (a full disk) is seen here rather than committed truncated.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit())
        return fail(u"Could not write %1: %2"_s.arg(file.fileName(), file.errorString()));
    return 0;
}

int DefaultsCommand::importDomain(const QString& domain, const QByteArray& path) {
    QFile file;
    const bool opened = path == "-"
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(QFile::decodeName(path)), file.open(QIODevice::ReadOnly));
    if (!opened)
        return fail(u"Could not read %1: %2"_s.arg(text(path), file.errorString()));
    const PlistNode imported = PlistNode::fromBytes(file.readAll());
    if (imported.isNull())
        return fail(u"%1 is not a property list."_s.arg(text(path)));
    if (imported.type() != PLIST_DICT)
        return fail(u"The property list in %1 does not have a dictionary at its top."_s.arg(text(path)));

    QString error;
    const auto lock = m_store.lock(domain, error);
    if (!lock)
        return fail(error);
    return m_store.save(domain, imported, error) ? 0 : fail(error);
}
