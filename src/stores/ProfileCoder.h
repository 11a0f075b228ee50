// SPDX-License-Identifier: MIT
#pragma once

#include "DockProfile.h"

#include <QByteArray>
#include <QList>

// The JSON of the profiles file (an array) and of an exchange file (one object): pretty-printed,
// keys sorted, dates in RFC 3339 UTC, the preferences as Base64. Decoding throws an Error whose
// description says what is wrong; one bad profile fails the whole file.
class ProfileCoder {
public:
    [[nodiscard]] static QByteArray encodeList(const QList<DockProfile>& profiles);
    [[nodiscard]] static QByteArray encodeOne(const DockProfile& profile);
    [[nodiscard]] static QList<DockProfile> decodeList(const QByteArray& json);
    [[nodiscard]] static DockProfile decodeOne(const QByteArray& json);
    [[nodiscard]] static bool decodesAsList(const QByteArray& json);
};
