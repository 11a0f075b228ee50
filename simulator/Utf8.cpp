// SPDX-License-Identifier: MIT
#include "Utf8.h"

namespace {

constexpr char32_t replacementCharacter = 0xfffd;

bool isContinuation(unsigned char byte) {
    return (byte & 0xc0) == 0x80;
}

} // namespace

std::pair<char32_t, size_t> Utf8::decode(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return {lead, 1};
    size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xe0) == 0xc0) {
        length = 2;
        codePoint = lead & 0x1f;
        smallest = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3;
        codePoint = lead & 0x0f;
        smallest = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length)
        return {0, 0};
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return {0, 0};
        codePoint = (codePoint << 6) | (byte & 0x3f);
    }
    const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
    if (codePoint < smallest || codePoint > 0x10ffff || surrogate)
        return {0, 0};
    return {codePoint, length};
}

bool Utf8::isValid(std::string_view text) {
    while (!text.empty()) {
        const size_t length = decode(text).second;
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::u16string Utf8::toUtf16(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    while (!text.empty()) {
        auto [codePoint, length] = decode(text);
        if (length == 0) {
            codePoint = replacementCharacter;
            length = 1;
        }
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            units += char16_t(0xd800 + (codePoint >> 10));
            units += char16_t(0xdc00 + (codePoint & 0x3ff));
        } else {
            units += char16_t(codePoint);
        }
        text.remove_prefix(length);
    }
    return units;
}

void Utf8::append(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xc0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3f));
    } else if (codePoint < 0x10000) {
        out += char(0xe0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3f));
        out += char(0x80 | (codePoint & 0x3f));
    } else {
        out += char(0xf0 | (codePoint >> 18));
        out += char(0x80 | ((codePoint >> 12) & 0x3f));
        out += char(0x80 | ((codePoint >> 6) & 0x3f));
        out += char(0x80 | (codePoint & 0x3f));
    }
}
