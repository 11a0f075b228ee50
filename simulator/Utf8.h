// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Checks and converts the UTF-8 text that property lists hold.
class Utf8 {
public:
    // Well-formed UTF-8: no stray or overlong bytes, no surrogates, nothing past U+10FFFF.
    [[nodiscard]] static bool isValid(std::string_view text);
    // The UTF-16 code units of the text; a byte that starts no well-formed sequence becomes U+FFFD.
    [[nodiscard]] static std::u16string toUtf16(std::string_view text);
    // Encodes any value up to U+10FFFF, surrogates included, so that a caller checking the result with
    // isValid sees an unpaired one rather than a silent replacement.
    static void append(std::string& out, char32_t codePoint);

private:
    // The code point at the start of text and its length in bytes; a length of 0 when malformed.
    [[nodiscard]] static std::pair<char32_t, size_t> decode(std::string_view text);
};
