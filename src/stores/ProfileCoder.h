// SPDX-License-Identifier: MIT
#pragma once

#include "DockProfile.h"

#include <QByteArray>
#include <QJsonObject>

// The JSON of a profile, as an element of the profiles file and as an exchange file (one object,
// pretty-printed): keys sorted, dates in RFC 3339 UTC, the preferences as Base64. Decoding throws an
// Error whose description says what is wrong.
class ProfileCoder {
public:
    [[nodiscard]] static QJsonObject encode(const DockProfile& profile);
    [[nodiscard]] static DockProfile decode(const QJsonObject& object);

    [[nodiscard]] static QByteArray encodeOne(const DockProfile& profile);
    [[nodiscard]] static DockProfile decodeOne(const QByteArray& json);
};
