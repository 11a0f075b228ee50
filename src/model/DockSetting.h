// SPDX-License-Identifier: MIT
#pragma once

#include "DockConfiguration.h"

#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <array>
#include <span>
#include <variant>

// One Dock setting as every part of Berthwise meets it: the key of "com.apple.dock" it lives under and
// how it is written there, the DockConfiguration member that holds it, its field in a profile file and
// the view-model property that shows it. The table of all of them, in DockSetting.cpp, is the one
// place a setting is declared; reading, writing, the profile file and the published settings loop over it.
struct DockSetting {
    enum Kind {
        integer,      // "-int"
        boolean,      // "-bool"
        text,         // "-string", one of an enumeration's raw values
        fastAutoHide, // a delay and a time modifier, both "-float" when on, both deleted when off
    };
    using Member = std::variant<qint64 DockConfiguration::*, bool DockConfiguration::*,
                                DockPosition DockConfiguration::*, MinimizeEffect DockConfiguration::*>;

    Kind kind;
    // The second key is the fast auto-hide's time modifier; the other kinds have one key.
    std::array<QStringView, 2> keys;
    Member member;
    QStringView profileField;
    const char* property;
    // The view model shows the opposite of what the Dock stores ("Hide Recent Apps").
    bool inverted = false;

    // The member's value in `configuration`: a qint64, a bool, or the raw value's text.
    [[nodiscard]] QVariant valueIn(const DockConfiguration& configuration) const;
    // Sets the member from a value of the same form; a text that is no raw value of its enumeration
    // changes nothing and gives false.
    bool setIn(DockConfiguration& configuration, const QVariant& value) const;
    // The raw values a text setting accepts, in declaration order; none for the other kinds.
    [[nodiscard]] QStringList choices() const;

    // Every setting, in the order they are applied to the Dock.
    [[nodiscard]] static std::span<const DockSetting> all();
    // The row whose member is `member`; every member of DockConfiguration has one.
    [[nodiscard]] static const DockSetting& of(Member member);
    // Every key the settings live under, in table order.
    [[nodiscard]] static const QStringList& allKeys();
};
