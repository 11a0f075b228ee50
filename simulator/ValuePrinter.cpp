// SPDX-License-Identifier: MIT
#include "ValuePrinter.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int indentStep = 4;

// libplist keeps integers as 64 unsigned bits; the Dock's integers are signed.
qint64 integerValue(plist_t value) {
    uint64_t raw = 0;
    plist_get_uint_val(value, &raw);
    return qint64(raw);
}

QByteArray stringValue(plist_t value, plist_type type) {
    char* text = nullptr;
    if (type == PLIST_KEY)
        plist_get_key_val(value, &text);
    else
        plist_get_string_val(value, &text);
    QByteArray result(text ? text : "");
    std::free(text);
    return result;
}

bool needsQuotes(const QByteArray& text) {
    if (text.isEmpty())
        return true;
    return !std::all_of(text.cbegin(), text.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

} // namespace

QByteArray ValuePrinter::print(plist_t value) {
    const plist_type type = plist_get_node_type(value);
    if (type == PLIST_STRING || type == PLIST_KEY)
        return stringValue(value, type);
    QByteArray out;
    appendNested(out, value, 0);
    return out;
}

QByteArray ValuePrinter::typeName(plist_t value) {
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

void ValuePrinter::appendNested(QByteArray& out, plist_t value, int indent) {
    const QByteArray inner(indent + indentStep, ' ');
    const QByteArray closing(indent, ' ');
    switch (plist_get_node_type(value)) {
    case PLIST_DICT: {
        QList<std::pair<QByteArray, plist_t>> entries;
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(value, &iterator);
        for (;;) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(value, iterator, &key, &item);
            if (!item) {
                std::free(key);
                break;
            }
            entries.append({QByteArray(key), item});
            std::free(key);
        }
        std::free(iterator);
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
        const uint32_t count = plist_array_get_size(value);
        out += "(\n";
        for (uint32_t i = 0; i < count; ++i) {
            out += inner;
            appendNested(out, plist_array_get_item(value, i), indent + indentStep);
            out += i + 1 < count ? ",\n" : "\n";
        }
        out += closing + ')';
        return;
    }
    case PLIST_STRING:
    case PLIST_KEY:
        appendQuoted(out, stringValue(value, plist_get_node_type(value)));
        return;
    case PLIST_DATE:
        appendQuoted(out, scalarText(value));
        return;
    default:
        out += scalarText(value);
        return;
    }
}

void ValuePrinter::appendQuoted(QByteArray& out, const QByteArray& text) {
    if (!needsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const QChar unit : QString::fromUtf8(text)) {
        switch (unit.unicode()) {
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
            if (unit.unicode() >= 0x20 && unit.unicode() < 0x7f)
                out += char(unit.unicode());
            else
                out += "\\U" + QByteArray::number(unit.unicode(), 16).rightJustified(4, '0');
        }
    }
    out += '"';
}

QByteArray ValuePrinter::scalarText(plist_t value) {
    switch (plist_get_node_type(value)) {
    case PLIST_BOOLEAN: {
        uint8_t flag = 0;
        plist_get_bool_val(value, &flag);
        return flag ? "1" : "0";
    }
    case PLIST_UINT:
        return QByteArray::number(integerValue(value));
    case PLIST_REAL: {
        double number = 0;
        plist_get_real_val(value, &number);
        // Fifteen significant digits hide the binary noise of values such as 36.571428298950195.
        return QByteArray::number(number, 'g', 15);
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(value, &seconds, &microseconds);
        const QDateTime referenceDate(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
        return referenceDate.addSecs(seconds).toString(u"yyyy-MM-dd HH:mm:ss +0000"_s).toUtf8();
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(value, &bytes, &length);
        const QByteArray data(bytes, qsizetype(length));
        std::free(bytes);
        return "{length = " + QByteArray::number(length) + ", bytes = 0x" + data.toHex() + '}';
    }
    case PLIST_UID: {
        uint64_t uid = 0;
        plist_get_uid_val(value, &uid);
        return "{value = " + QByteArray::number(uid) + '}';
    }
    default:
        return {};
    }
}
