// SPDX-License-Identifier: MIT
#include "DockSettings.h"

#include <cmath>

namespace {

// Sliders deliver any real number; the Dock takes whole points, and a half-dragged 63.9 means 63.
qint64 wholePoints(double value) {
    return static_cast<qint64>(std::trunc(value));
}

// Every setting changes the same way: only when the value differs, then notifies.
template <typename T>
void assign(DockSettings& settings, T& field, const T& value, void (DockSettings::*changed)()) {
    if (field == value)
        return;
    field = value;
    Q_EMIT(settings.*changed)();
}

} // namespace

void DockSettings::setDockSize(double value) {
    assign(*this, m_dockSize, value, &DockSettings::dockSizeChanged);
}

void DockSettings::setMagnificationSize(double value) {
    assign(*this, m_magnificationSize, value, &DockSettings::magnificationSizeChanged);
}

void DockSettings::setIsAutoHideEnabled(bool value) {
    assign(*this, m_isAutoHideEnabled, value, &DockSettings::isAutoHideEnabledChanged);
}

void DockSettings::setIsMagnificationEnabled(bool value) {
    assign(*this, m_isMagnificationEnabled, value, &DockSettings::isMagnificationEnabledChanged);
}

void DockSettings::setShowOnlyRunningApps(bool value) {
    assign(*this, m_showOnlyRunningApps, value, &DockSettings::showOnlyRunningAppsChanged);
}

void DockSettings::setDimHiddenApps(bool value) {
    assign(*this, m_dimHiddenApps, value, &DockSettings::dimHiddenAppsChanged);
}

void DockSettings::setShowRunningIndicators(bool value) {
    assign(*this, m_showRunningIndicators, value, &DockSettings::showRunningIndicatorsChanged);
}

void DockSettings::setMinimizeIntoAppIcon(bool value) {
    assign(*this, m_minimizeIntoAppIcon, value, &DockSettings::minimizeIntoAppIconChanged);
}

void DockSettings::setHideRecentApps(bool value) {
    assign(*this, m_hideRecentApps, value, &DockSettings::hideRecentAppsChanged);
}

void DockSettings::setFastAutoHide(bool value) {
    assign(*this, m_fastAutoHide, value, &DockSettings::fastAutoHideChanged);
}

void DockSettings::setDockPosition(DockPosition value) {
    assign(*this, m_dockPosition, value, &DockSettings::dockPositionChanged);
}

QString DockSettings::dockPositionRawValue() const {
    return rawValue(m_dockPosition);
}

void DockSettings::setDockPositionRawValue(const QString& raw) {
    if (const std::optional<DockPosition> position = dockPositionFromRawValue(raw))
        setDockPosition(*position);
}

void DockSettings::setMinimizeEffect(MinimizeEffect value) {
    assign(*this, m_minimizeEffect, value, &DockSettings::minimizeEffectChanged);
}

QString DockSettings::minimizeEffectRawValue() const {
    return rawValue(m_minimizeEffect);
}

void DockSettings::setMinimizeEffectRawValue(const QString& raw) {
    if (const std::optional<MinimizeEffect> effect = minimizeEffectFromRawValue(raw))
        setMinimizeEffect(*effect);
}

void DockSettings::updateSettings(const DockConfiguration& configuration) {
    setDockSize(static_cast<double>(configuration.dockSize));
    setMagnificationSize(static_cast<double>(configuration.magnificationSize));
    setIsMagnificationEnabled(configuration.magnification);
    setIsAutoHideEnabled(configuration.autoHide);
    setFastAutoHide(configuration.fastAutoHide);
    setHideRecentApps(!configuration.showRecentApps);
    setMinimizeIntoAppIcon(configuration.minimizeToApplication);
    setDimHiddenApps(configuration.showHidden);
    setShowOnlyRunningApps(configuration.showOnlyRunningApps);
    setShowRunningIndicators(configuration.showProcessIndicators);
    setDockPosition(configuration.orientation);
    setMinimizeEffect(configuration.minimizeEffect);
}

void DockSettings::applyDockSize() {
    writeToDock([size = wholePoints(m_dockSize)](const DockService& dock) {
        return dock.writeInt(DockPreferenceKey::tileSize, size);
    });
}

void DockSettings::applyMagnificationSize() {
    writeToDock([size = wholePoints(m_magnificationSize)](const DockService& dock) {
        return dock.writeInt(DockPreferenceKey::largeSize, size);
    });
}

void DockSettings::applyBool(void (DockSettings::*store)(bool), DockPreferenceKey key, bool value) {
    (this->*store)(value);
    writeToDock([key, value](const DockService& dock) { return dock.writeBool(key, value); });
}

void DockSettings::applyMagnification(bool enabled) {
    applyBool(&DockSettings::setIsMagnificationEnabled, DockPreferenceKey::magnification, enabled);
}

void DockSettings::applyAutoHide(bool enabled) {
    applyBool(&DockSettings::setIsAutoHideEnabled, DockPreferenceKey::autoHide, enabled);
}

void DockSettings::applyShowOnlyRunningApps(bool enabled) {
    applyBool(&DockSettings::setShowOnlyRunningApps, DockPreferenceKey::staticOnly, enabled);
}

void DockSettings::applyDimHiddenApps(bool enabled) {
    applyBool(&DockSettings::setDimHiddenApps, DockPreferenceKey::showHidden, enabled);
}

void DockSettings::applyShowRunningIndicators(bool enabled) {
    applyBool(&DockSettings::setShowRunningIndicators, DockPreferenceKey::showProcessIndicators, enabled);
}

void DockSettings::applyMinimizeIntoAppIcon(bool enabled) {
    applyBool(&DockSettings::setMinimizeIntoAppIcon, DockPreferenceKey::minimizeToApplication, enabled);
}

void DockSettings::applyFastAutoHide(bool enabled) {
    setFastAutoHide(enabled);
    writeToDock([enabled](const DockService& dock) { return dock.setFastAutoHide(enabled); });
}

void DockSettings::applyHideRecentApps(bool hidden) {
    setHideRecentApps(hidden);
    // The Dock's key says the opposite: it shows the recent applications.
    writeToDock([hidden](const DockService& dock) {
        return dock.writeBool(DockPreferenceKey::showRecents, !hidden);
    });
}

void DockSettings::applyDockPosition(const QString& position) {
    if (const std::optional<DockPosition> parsed = dockPositionFromRawValue(position)) {
        setDockPosition(*parsed);
        writeToDock([position](const DockService& dock) {
            return dock.writeString(DockPreferenceKey::orientation, position);
        });
    }
}

void DockSettings::applyMinimizeEffect(const QString& effect) {
    if (const std::optional<MinimizeEffect> parsed = minimizeEffectFromRawValue(effect)) {
        setMinimizeEffect(*parsed);
        writeToDock([effect](const DockService& dock) {
            return dock.writeString(DockPreferenceKey::minimizeEffect, effect);
        });
    }
}
