// SPDX-License-Identifier: MIT
#include "OpenStepParser.h"

#include <QList>

using namespace Qt::StringLiterals;

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

QString describe(char c) {
    return u'\'' + QString::fromLatin1(&c, 1) + u'\'';
}

} // namespace

PlistNode OpenStepParser::parse() {
    m_position = 0;
    m_error.clear();
    if (!skipBlank())
        return {};
    if (atEnd())
        return fail(u"the text holds no value"_s);
    PlistNode value = parseValue(0);
    if (value.isNull())
        return {};
    if (!skipBlank())
        return {};
    if (!atEnd())
        return fail(u"unexpected text after the value at offset %1"_s.arg(m_position));
    return value;
}

PlistNode OpenStepParser::parseValue(int depth) {
    if (depth > maximumDepth)
        return fail(u"the value is nested too deeply"_s);
    if (!skipBlank())
        return {};
    if (atEnd())
        return fail(u"a value is missing at the end of the text"_s);
    switch (current()) {
    case '{':
        return parseDictionary(depth + 1);
    case '(':
        return parseArray(depth + 1);
    case '<':
        return parseData();
    default: {
        QByteArray text;
        if (!parseString(text))
            return {};
        return PlistNode(plist_new_string(text.constData()));
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
            return fail(u"a dictionary is missing its closing '}'"_s);
        if (current() == '}') {
            ++m_position;
            return dictionary;
        }
        QByteArray key;
        if (!parseString(key))
            return {};
        if (!skipBlank())
            return {};
        if (atEnd() || current() != '=')
            return fail(u"expected '=' after the key \"%1\""_s.arg(QString::fromUtf8(key)));
        ++m_position;
        PlistNode value = parseValue(depth);
        if (value.isNull())
            return {};
        if (!skipBlank())
            return {};
        if (atEnd() || current() != ';')
            return fail(u"expected ';' after the value of the key \"%1\""_s.arg(QString::fromUtf8(key)));
        ++m_position;
        plist_dict_set_item(dictionary.get(), key.constData(), value.release());
    }
}

PlistNode OpenStepParser::parseArray(int depth) {
    ++m_position;
    PlistNode array(plist_new_array());
    for (;;) {
        if (!skipBlank())
            return {};
        if (atEnd())
            return fail(u"an array is missing its closing ')'"_s);
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
            return fail(u"an array is missing its closing ')'"_s);
        // A comma after the last element is allowed, as in hand-written lists.
        if (current() == ',')
            ++m_position;
        else if (current() != ')')
            return fail(u"expected ',' or ')' in an array, found %1"_s.arg(describe(current())));
    }
}

PlistNode OpenStepParser::parseData() {
    ++m_position;
    QByteArray bytes;
    int high = -1;
    for (; !atEnd(); ++m_position) {
        const char c = current();
        if (c == '>') {
            if (high >= 0)
                return fail(u"data has an odd number of hexadecimal digits"_s);
            ++m_position;
            return PlistNode(plist_new_data(bytes.constData(), uint64_t(bytes.size())));
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        const int digit = hexValue(c);
        if (digit < 0)
            return fail(u"data holds the character %1, which is not a hexadecimal digit"_s.arg(describe(c)));
        if (high < 0) {
            high = digit;
        } else {
            bytes.append(char(high * 16 + digit));
            high = -1;
        }
    }
    return fail(u"data is missing its closing '>'"_s);
}

bool OpenStepParser::parseString(QByteArray& result) {
    if (current() == '"' || current() == '\'')
        return parseQuotedString(result);
    const qsizetype start = m_position;
    while (!atEnd() && isBareCharacter(current()))
        ++m_position;
    if (m_position == start) {
        fail(u"unexpected character %1 at offset %2"_s.arg(describe(current())).arg(m_position));
        return false;
    }
    result = m_text.sliced(start, m_position - start).toByteArray();
    return true;
}

bool OpenStepParser::parseQuotedString(QByteArray& result) {
    const char quote = current();
    const qsizetype start = m_position;
    ++m_position;
    result.clear();
    while (!atEnd()) {
        const char c = current();
        if (c == quote) {
            ++m_position;
            return true;
        }
        if (c == '\\') {
            ++m_position;
            if (!parseEscape(result))
                return false;
            continue;
        }
        result.append(c);
        ++m_position;
    }
    fail(u"the quoted string starting at offset %1 is not terminated"_s.arg(start));
    return false;
}

bool OpenStepParser::parseEscape(QByteArray& result) {
    if (atEnd()) {
        fail(u"the text ends inside an escape sequence"_s);
        return false;
    }
    const char c = current();
    ++m_position;
    switch (c) {
    case 'a':
        result.append('\a');
        return true;
    case 'b':
        result.append('\b');
        return true;
    case 'f':
        result.append('\f');
        return true;
    case 'n':
        result.append('\n');
        return true;
    case 'r':
        result.append('\r');
        return true;
    case 't':
        result.append('\t');
        return true;
    case 'v':
        result.append('\v');
        return true;
    case 'U': {
        // UTF-16 code units; consecutive escapes may form a surrogate pair, so they are gathered first.
        QList<char16_t> units;
        for (;;) {
            char16_t unit = 0;
            int digits = 0;
            for (; digits < 4 && !atEnd() && hexValue(current()) >= 0; ++digits, ++m_position)
                unit = char16_t(unit * 16 + hexValue(current()));
            if (digits == 0) {
                fail(u"\\U is not followed by a hexadecimal digit"_s);
                return false;
            }
            units.append(unit);
            if (m_position + 1 < m_text.size() && m_text.at(m_position) == '\\' &&
                m_text.at(m_position + 1) == 'U')
                m_position += 2;
            else
                break;
        }
        result.append(QString::fromUtf16(units.constData(), units.size()).toUtf8());
        return true;
    }
    default:
        if (c >= '0' && c <= '7') {
            // Octal escapes name a single byte, read as Latin-1.
            int value = c - '0';
            for (int i = 0; i < 2 && !atEnd() && current() >= '0' && current() <= '7'; ++i, ++m_position)
                value = value * 8 + (current() - '0');
            result.append(QString(QChar(value & 0xff)).toUtf8());
            return true;
        }
        result.append(c);
        return true;
    }
}

bool OpenStepParser::skipBlank() {
    while (!atEnd()) {
        const char c = current();
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++m_position;
        } else if (c == '/' && m_position + 1 < m_text.size() && m_text.at(m_position + 1) == '/') {
            while (!atEnd() && current() != '\n')
                ++m_position;
        } else if (c == '/' && m_position + 1 < m_text.size() && m_text.at(m_position + 1) == '*') {
            const qsizetype end = m_text.indexOf("*/", m_position + 2);
            if (end < 0) {
                fail(u"a comment is not terminated"_s);
                return false;
            }
            m_position = end + 2;
        } else {
            break;
        }
    }
    return true;
}

PlistNode OpenStepParser::fail(const QString& message) {
    if (m_error.isEmpty())
        m_error = message;
    return {};
}
