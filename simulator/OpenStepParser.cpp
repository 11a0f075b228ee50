// SPDX-License-Identifier: MIT
#include "OpenStepParser.h"

#include "Utf8.h"

#include <cstdio>
#include <vector>

namespace {

// Deep enough for any real layout, shallow enough that hostile input cannot exhaust the stack.
constexpr int maximumDepth = 256;

bool isBareCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '+' || c == '/' || c == ':' || c == '.' || c == '-';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string describe(char c) {
    if (c > ' ' && c < 0x7f)
        return std::string{'\'', c, '\''};
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02x", unsigned(static_cast<unsigned char>(c)));
    return std::string("the byte ") + hex;
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

} // namespace

PlistNode OpenStepParser::parse() {
    m_position = 0;
    m_error.clear();
    if (!skipBlank())
        return {};
    if (atEnd())
        return fail("the text holds no value");
    PlistNode value = parseValue(0);
    if (value.isNull())
        return {};
    if (!skipBlank())
        return {};
    if (!atEnd())
        return fail("unexpected text after the value at offset " + std::to_string(m_position));
    return value;
}

PlistNode OpenStepParser::parseValue(int depth) {
    if (depth > maximumDepth)
        return fail("the value is nested too deeply");
    if (!skipBlank())
        return {};
    if (atEnd())
        return fail("a value is missing at the end of the text");
    switch (current()) {
    case '{':
        return parseDictionary(depth + 1);
    case '(':
        return parseArray(depth + 1);
    case '<':
        return parseData();
    default: {
        std::string text;
        if (!parseString(text))
            return {};
        return PlistNode(plist_new_string(text.c_str()));
    }
    }
}

PlistNode OpenStepParser::parseDictionary(int depth) {
    ++m_position;
    PlistNode dictionary(plist_new_dict());
    for (;;) {
        if (!skipBlank())
            return {};
        if (atEnd())
            return fail("a dictionary is missing its closing '}'");
        if (current() == '}') {
            ++m_position;
            return dictionary;
        }
        std::string key;
        if (!parseString(key))
            return {};
        if (!skipBlank())
            return {};
        if (atEnd() || current() != '=')
            return fail("expected '=' after the key " + quoted(key));
        ++m_position;
        PlistNode value = parseValue(depth);
        if (value.isNull())
            return {};
        if (!skipBlank())
            return {};
        if (atEnd() || current() != ';')
            return fail("expected ';' after the value of the key " + quoted(key));
        ++m_position;
        plist_dict_set_item(dictionary.get(), key.c_str(), value.release());
    }
}

PlistNode OpenStepParser::parseArray(int depth) {
    ++m_position;
    PlistNode array(plist_new_array());
    for (;;) {
        if (!skipBlank())
            return {};
        if (atEnd())
            return fail("an array is missing its closing ')'");
        if (current() == ')') {
            ++m_position;
            return array;
        }
        PlistNode value = parseValue(depth);
        if (value.isNull())
            return {};
        plist_array_append_item(array.get(), value.release());
        if (!skipBlank())
            return {};
        if (atEnd())
            return fail("an array is missing its closing ')'");
        // A comma after the last element is allowed, as in hand-written lists.
        if (current() == ',')
            ++m_position;
        else if (current() != ')')
            return fail("expected ',' or ')' in an array, found " + describe(current()));
    }
}

PlistNode OpenStepParser::parseData() {
    ++m_position;
    std::string bytes;
    int high = -1;
    for (; !atEnd(); ++m_position) {
        const char c = current();
        if (c == '>') {
            if (high >= 0)
                return fail("data has an odd number of hexadecimal digits");
            ++m_position;
            return PlistNode(plist_new_data(bytes.data(), uint64_t(bytes.size())));
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        const int digit = hexValue(c);
        if (digit < 0)
            return fail("data holds " + describe(c) + ", which is not a hexadecimal digit");
        if (high < 0) {
            high = digit;
        } else {
            bytes += char(high * 16 + digit);
            high = -1;
        }
    }
    return fail("data is missing its closing '>'");
}

bool OpenStepParser::parseString(std::string& result) {
    if (current() == '"' || current() == '\'')
        return parseQuotedString(result);
    const size_t start = m_position;
    while (!atEnd() && isBareCharacter(current()))
        ++m_position;
    if (m_position == start) {
        fail("unexpected " + describe(current()) + " at offset " + std::to_string(m_position));
        return false;
    }
    result = std::string(m_text.substr(start, m_position - start));
    return true;
}

bool OpenStepParser::parseQuotedString(std::string& result) {
    const char quote = current();
    const size_t start = m_position;
    ++m_position;
    result.clear();
    while (!atEnd()) {
        const char c = current();
        if (c == quote) {
            ++m_position;
            // libplist keeps text NUL-terminated, so a NUL would silently cut the string short.
            if (result.find('\0') != std::string::npos) {
                fail("the quoted string starting at offset " + std::to_string(start) +
                     " holds a NUL character");
                return false;
            }
            return true;
        }
        if (c == '\\') {
            ++m_position;
            if (!parseEscape(result))
                return false;
            continue;
        }
        result += c;
        ++m_position;
    }
    fail("the quoted string starting at offset " + std::to_string(start) + " is not terminated");
    return false;
}

bool OpenStepParser::parseEscape(std::string& result) {
    if (atEnd()) {
        fail("the text ends inside an escape sequence");
        return false;
    }
    const char c = current();
    ++m_position;
    switch (c) {
    case 'a':
        result += '\a';
        return true;
    case 'b':
        result += '\b';
        return true;
    case 'f':
        result += '\f';
        return true;
    case 'n':
        result += '\n';
        return true;
    case 'r':
        result += '\r';
        return true;
    case 't':
        result += '\t';
        return true;
    case 'v':
        result += '\v';
        return true;
    case 'U': {
        // UTF-16 code units; consecutive escapes may form a surrogate pair, so they are gathered first.
        std::vector<char16_t> units;
        for (;;) {
            char16_t unit = 0;
            int digits = 0;
            for (; digits < 4 && !atEnd() && hexValue(current()) >= 0; ++digits, ++m_position)
                unit = char16_t(unit * 16 + hexValue(current()));
            if (digits == 0) {
                fail("\\U is not followed by a hexadecimal digit");
                return false;
            }
            units.push_back(unit);
            if (m_position + 1 < m_text.size() && m_text[m_position] == '\\' && m_text[m_position + 1] == 'U')
                m_position += 2;
            else
                break;
        }
        for (size_t i = 0; i < units.size(); ++i) {
            const bool pair = i + 1 < units.size() && units[i] >= 0xd800 && units[i] < 0xdc00 &&
                              units[i + 1] >= 0xdc00 && units[i + 1] < 0xe000;
            if (pair) {
                Utf8::append(result,
                             0x10000 + ((char32_t(units[i]) - 0xd800) << 10) + (units[i + 1] - 0xdc00));
                ++i;
            } else {
                // An unpaired surrogate is encoded as it is, for the domain's check to refuse.
                Utf8::append(result, units[i]);
            }
        }
        return true;
    }
    default:
        if (c >= '0' && c <= '7') {
            // Octal escapes name a single byte, read as Latin-1.
            int value = c - '0';
            for (int i = 0; i < 2 && !atEnd() && current() >= '0' && current() <= '7'; ++i, ++m_position)
                value = value * 8 + (current() - '0');
            Utf8::append(result, char32_t(value & 0xff));
            return true;
        }
        result += c;
        return true;
    }
}

bool OpenStepParser::skipBlank() {
    while (!atEnd()) {
        const char c = current();
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++m_position;
        } else if (c == '/' && m_position + 1 < m_text.size() && m_text[m_position + 1] == '/') {
            while (!atEnd() && current() != '\n')
                ++m_position;
        } else if (c == '/' && m_position + 1 < m_text.size() && m_text[m_position + 1] == '*') {
            const size_t end = m_text.find("*/", m_position + 2);
            if (end == std::string_view::npos) {
                fail("a comment is not terminated");
                return false;
            }
            m_position = end + 2;
        } else {
            break;
        }
    }
    return true;
}

PlistNode OpenStepParser::fail(const std::string& message) {
    if (m_error.empty())
        m_error = message;
    return {};
}
