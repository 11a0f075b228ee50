// SPDX-License-Identifier: MIT
#include "DockSetting.h"

#include <algorithm>

namespace {

using enum DockSetting::Kind;
using C = DockConfiguration;
constexpr bool inverted = true;

// Every setting, in the order they are written to the Dock. The profile field is the member's name; a
// profile file must hold every one of them.
// clang-format off
constexpr DockSetting table[]{
//   kind          key(s)                                          member                     profile field             view-model property
    {integer,      {u"tilesize"},                                  &C::dockSize,              u"dockSize",              "dockSize"},
    {boolean,      {u"magnification"},                             &C::magnification,         u"magnification",         "isMagnificationEnabled"},
    {integer,      {u"largesize"},                                 &C::magnificationSize,     u"magnificationSize",     "magnificationSize"},
    {boolean,      {u"autohide"},                                  &C::autoHide,              u"autoHide",              "isAutoHideEnabled"},
    {fastAutoHide, {u"autohide-delay", u"autohide-time-modifier"}, &C::fastAutoHide,          u"fastAutoHide",          "fastAutoHide"},
    {boolean,      {u"show-recents"},                              &C::showRecentApps,        u"showRecentApps",        "hideRecentApps", inverted},
    {boolean,      {u"minimize-to-application"},                   &C::minimizeToApplication, u"minimizeToApplication", "minimizeIntoAppIcon"},
    {boolean,      {u"showhidden"},                                &C::showHidden,            u"showHidden",            "dimHiddenApps"},
    {boolean,      {u"static-only"},                               &C::showOnlyRunningApps,   u"showOnlyRunningApps",   "showOnlyRunningApps"},
    {boolean,      {u"show-process-indicators"},                   &C::showProcessIndicators, u"showProcessIndicators", "showRunningIndicators"},
    {text,         {u"orientation"},                               &C::orientation,           u"orientation",           "dockPosition"},
    {text,         {u"mineffect"},                                 &C::minimizeEffect,        u"minimizeEffect",        "minimizeEffect"},
};
// clang-format on

// A row whose kind does not fit its member would be read, written and stored as the wrong type.
constexpr bool consistent(const DockSetting& setting) {
    const bool oneKey = setting.keys[1].isEmpty();
    switch (setting.kind) {
    case integer:
        return oneKey && !setting.inverted && std::holds_alternative<qint64 C::*>(setting.member);
    case boolean:
        return oneKey && std::holds_alternative<bool C::*>(setting.member);
    case fastAutoHide:
        return !oneKey && !setting.inverted && std::holds_alternative<bool C::*>(setting.member);
    case text:
        return oneKey && !setting.inverted && !std::holds_alternative<qint64 C::*>(setting.member) &&
               !std::holds_alternative<bool C::*>(setting.member);
    }
    return false;
}
static_assert(std::ranges::all_of(table, consistent));

constexpr const auto& rawValues(DockPosition) {
    return dockPositionRawValues;
}
constexpr const auto& rawValues(MinimizeEffect) {
    return minimizeEffectRawValues;
}

} // namespace

QVariant DockSetting::valueIn(const DockConfiguration& configuration) const {
    return std::visit(
        [&](auto field) -> QVariant {
            const auto& value = configuration.*field;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, qint64> || std::is_same_v<Value, bool>)
                return value;
            else
                return valueOf(rawValues(value), value).toString();
        },
        member);
}

bool DockSetting::setIn(DockConfiguration& configuration, const QVariant& value) const {
    return std::visit(
        [&](auto field) {
            auto& target = configuration.*field;
            using Value = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<Value, qint64>) {
                target = value.toLongLong();
            } else if constexpr (std::is_same_v<Value, bool>) {
                target = value.toBool();
            } else {
                const auto parsed = caseOf(rawValues(target), value.toString());
                if (!parsed)
                    return false;
                target = *parsed;
            }
            return true;
        },
        member);
}

QStringList DockSetting::choices() const {
    return std::visit(
        [](auto field) {
            QStringList raw;
            using Value = std::decay_t<decltype(DockConfiguration().*field)>;
            if constexpr (!std::is_same_v<Value, qint64> && !std::is_same_v<Value, bool>) {
                for (const auto& [listed, text] : rawValues(Value()))
                    raw.append(text.toString());
            }
            return raw;
        },
        member);
}

std::span<const DockSetting> DockSetting::all() {
    return table;
}

const DockSetting& DockSetting::of(Member member) {
    const auto* found = std::ranges::find(table, member, &DockSetting::member);
    Q_ASSERT(found != std::end(table));
    return *found;
}

const QStringList& DockSetting::allKeys() {
    static const QStringList keys = [] {
        QStringList all;
        for (const DockSetting& setting : table) {
            for (QStringView key : setting.keys) {
                if (!key.isEmpty())
                    all.append(key.toString());
            }
        }
        return all;
    }();
    return keys;
}
