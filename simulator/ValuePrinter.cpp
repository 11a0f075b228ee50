// SPDX-License-Identifier: MIT
#include "ValuePrinter.h"

#include "PlistReader.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int indentStep = 4;
// Seconds from the Unix epoch to 2001-01-01, where property-list dates count from.
constexpr long long referenceDate = 978'307'200;

bool needsQuotes(const std::string& text) {
    if (text.empty())
        return true;
    return !std::all_of(text.cbegin(), text.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

std::string codeUnitEscape(char16_t unit) {
    char text[8];
    std::snprintf(text, sizeof text, "\\U%04x", unsigned(unit));
    return text;
}

} // namespace

std::string ValuePrinter::print(plist_t value) {
    if (plist_get_node_type(value) == PLIST_STRING)
        return PlistReader::string(value);
    std::string out;
    appendNested(out, value, 0);
    return out;
}

std::string ValuePrinter::typeName(plist_t value) {
    switch (plist_get_node_type(value)) {
    case PLIST_BOOLEAN:
        return "boolean";
    case PLIST_UINT:
        return "integer";
    case PLIST_REAL:
        return "float";
    case PLIST_STRING:
    case PLIST_KEY:
        return "string";
    case PLIST_ARRAY:
        return "array";
    case PLIST_DICT:
        return "dictionary";
    case PLIST_DATE:
        return "date";
    case PLIST_DATA:
        return "data";
    default:
        return "unknown";
    }
}

void ValuePrinter::appendNested(std::string& out, plist_t value, int indent) {
    const std::string inner(size_t(indent + indentStep), ' ');
    const std::string closing(size_t(indent), ' ');
    switch (plist_get_node_type(value)) {
    case PLIST_DICT: {
        std::vector<std::pair<std::string, plist_t>> entries = PlistReader::entries(value);
        std::sort(entries.begin(), entries.end(),
                  [](const auto& left, const auto& right) { return left.first < right.first; });
        out += "{\n";
        for (const auto& [key, item] : entries) {
            out += inner;
            appendQuoted(out, key);
            out += " = ";
            appendNested(out, item, indent + indentStep);
            out += ";\n";
        }
        out += closing + '}';
        return;
    }
    case PLIST_ARRAY: {
        const std::vector<plist_t> items = PlistReader::items(value);
        out += "(\n";
        for (size_t i = 0; i < items.size(); ++i) {
            out += inner;
            appendNested(out, items[i], indent + indentStep);
            out += i + 1 < items.size() ? ",\n" : "\n";
        }
        out += closing + ')';
        return;
    }
    case PLIST_STRING:
        appendQuoted(out, PlistReader::string(value));
        return;
    case PLIST_DATE:
        appendQuoted(out, scalarText(value));
        return;
    default:
        out += scalarText(value);
        return;
    }
}

void ValuePrinter::appendQuoted(std::string& out, const std::string& text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char16_t unit : Utf8::toUtf16(text)) {
        switch (unit) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (unit >= 0x20 && unit < 0x7f)
                out += char(unit);
            else
                out += codeUnitEscape(unit);
        }
    }
    out += '"';
}

std::string ValuePrinter::scalarText(plist_t value) {
    switch (plist_get_node_type(value)) {
    case PLIST_BOOLEAN: {
        uint8_t flag = 0;
        plist_get_bool_val(value, &flag);
        return flag ? "1" : "0";
    }
    case PLIST_UINT: {
        // libplist keeps integers as 64 unsigned bits; the Dock's integers are signed.
        uint64_t raw = 0;
        plist_get_uint_val(value, &raw);
        return std::to_string(static_cast<int64_t>(raw));
    }
    case PLIST_REAL: {
        double number = 0;
        plist_get_real_val(value, &number);
        // Negative zero prints as 0, as the system's tool does.
        if (number == 0)
            return "0";
        // Fifteen significant digits hide the binary noise of values such as 36.571428298950195.
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", number);
        return text;
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(value, &seconds, &microseconds);
        const std::time_t time = std::time_t(referenceDate + seconds);
        std::tm parts{};
        gmtime_r(&time, &parts);
        char text[40];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S +0000", &parts);
        return text;
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(value, &length);
        std::string text = "{length = " + std::to_string(length) + ", bytes = 0x";
        constexpr char digits[] = "0123456789abcdef";
        for (uint64_t i = 0; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            text += digits[byte >> 4];
            text += digits[byte & 0xf];
        }
        return text + '}';
    }
    case PLIST_UID: {
        uint64_t uid = 0;
        plist_get_uid_val(value, &uid);
        return "{value = " + std::to_string(uid) + '}';
    }
    default:
        return {};
    }
}
