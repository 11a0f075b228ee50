// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <exception>

// A failure the user is told about; its description is the text the view model shows.
class Error : public std::exception {
public:
    explicit Error(QString description);

    [[nodiscard]] const QString& description() const noexcept { return m_description; }
    [[nodiscard]] const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};
