// SPDX-License-Identifier: MIT
#pragma once

#include "PlistNode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the old-style (OpenStep) property-list text that `defaults write` accepts on the command line,
// where every scalar, even 4 or YES, is a string.
class OpenStepParser {
public:
    explicit OpenStepParser(QByteArrayView text)
        : m_text(text) {}

    // The whole text as one value; empty on failure, with errorMessage() saying why.
    [[nodiscard]] PlistNode parse();
    [[nodiscard]] QString errorMessage() const { return m_error; }

private:
    [[nodiscard]] PlistNode parseValue(int depth);
    [[nodiscard]] PlistNode parseDictionary(int depth);
    [[nodiscard]] PlistNode parseArray(int depth);
    [[nodiscard]] PlistNode parseData();
    [[nodiscard]] bool parseString(QByteArray& result);
    [[nodiscard]] bool parseQuotedString(QByteArray& result);
    [[nodiscard]] bool parseEscape(QByteArray& result);
    // Skips white space and comments; false only for an unterminated comment.
    [[nodiscard]] bool skipBlank();
    [[nodiscard]] bool atEnd() const { return m_position >= m_text.size(); }
    [[nodiscard]] char current() const { return m_text.at(m_position); }
    PlistNode fail(const QString& message);

    QByteArrayView m_text;
    qsizetype m_position = 0;
    QString m_error;
};
