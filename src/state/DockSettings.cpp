// SPDX-License-Identifier: MIT
#include "DockSettings.h"

#include <QMetaProperty>

#include <cmath>

namespace {

QMetaProperty shownBy(const DockSetting& setting) {
    const QMetaObject& meta = DockSettings::staticMetaObject;
    const QMetaProperty property = meta.property(meta.indexOfProperty(setting.property));
    Q_ASSERT_X(property.isValid(), setting.property,
               "the settings table names a property DockSettings lacks");
    return property;
}

// Sizes are shown as real numbers, which the sliders move through; some settings are shown the other
// way round from how the Dock keeps them.
QVariant shownValue(const DockSetting& setting, const DockConfiguration& configuration) {
    const QVariant value = setting.valueIn(configuration);
    switch (setting.kind) {
    case DockSetting::integer:
        return double(value.toLongLong());
    case DockSetting::boolean:
        return value.toBool() != setting.inverted;
    default:
        return value;
    }
}

bool storeShown(const DockSetting& setting, const QVariant& shown, DockConfiguration& configuration) {
    switch (setting.kind) {
    case DockSetting::integer:
        // The Dock takes whole points, and a half-dragged 63.9 means 63.
        return setting.setIn(configuration, qint64(std::trunc(shown.toDouble())));
    case DockSetting::boolean:
        return setting.setIn(configuration, shown.toBool() != setting.inverted);
    default:
        return setting.setIn(configuration, shown);
    }
}

} // namespace

DockSettings::DockSettings(Writer writer, QObject* parent)
    : QObject(parent)
    , m_writer(std::move(writer)) {}

void DockSettings::setDockPositionRawValue(const QString& raw) {
    if (const std::optional<DockPosition> position = dockPositionFromRawValue(raw))
        assign(m_dockPosition, *position, &DockSettings::dockPositionChanged);
}

void DockSettings::setMinimizeEffectRawValue(const QString& raw) {
    if (const std::optional<MinimizeEffect> effect = minimizeEffectFromRawValue(raw))
        assign(m_minimizeEffect, *effect, &DockSettings::minimizeEffectChanged);
}

void DockSettings::updateSettings(const DockConfiguration& configuration) {
    for (const DockSetting& setting : DockSetting::all())
        shownBy(setting).write(this, shownValue(setting, configuration));
}

void DockSettings::apply(DockSetting::Member member, const QVariant& shown) {
    const DockSetting& setting = DockSetting::of(member);
    const QMetaProperty property = shownBy(setting);
    const QVariant value = shown.isValid() ? shown : property.read(this);
    // Only this setting is written, so the rest of the configuration does not matter.
    DockConfiguration values;
    if (!storeShown(setting, value, values))
        return;
    property.write(this, value);
    m_writer(setting, values);
}
