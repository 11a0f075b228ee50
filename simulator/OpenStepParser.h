// SPDX-License-Identifier: MIT
#pragma once

#include "PlistNode.h"

#include <string>
#include <string_view>

// Reads the old-style (OpenStep) property-list text that `defaults write` accepts on the command line,
// where every scalar, even 4 or YES, is a string.
class OpenStepParser {
public:
    explicit OpenStepParser(std::string_view text)
        : m_text(text) {}

    // The whole text as one value; empty on failure, with errorMessage() saying why.
    [[nodiscard]] PlistNode parse();
    [[nodiscard]] const std::string& errorMessage() const { return m_error; }

private:
    [[nodiscard]] PlistNode parseValue(int depth);
    [[nodiscard]] PlistNode parseDictionary(int depth);
    [[nodiscard]] PlistNode parseArray(int depth);
    [[nodiscard]] PlistNode parseData();
    [[nodiscard]] bool parseString(std::string& result);
    [[nodiscard]] bool parseQuotedString(std::string& result);
    [[nodiscard]] bool parseEscape(std::string& result);
    // Skips white space and comments; false only for an unterminated comment.
    [[nodiscard]] bool skipBlank();
    [[nodiscard]] bool atEnd() const { return m_position >= m_text.size(); }
    [[nodiscard]] char current() const { return m_text[m_position]; }
    PlistNode fail(const std::string& message);

    std::string_view m_text;
    size_t m_position = 0;
    std::string m_error;
};
