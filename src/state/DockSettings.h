// SPDX-License-Identifier: MIT
#pragma once

#include "model/DockSetting.h"

#include <QObject>
#include <QString>

#include <functional>

// The twelve Dock settings as the window and the menu show them, and their changes: each stores the
// new value, then hands that one setting to the writer it was given. Nothing is read back from the
// Dock after a change, so a value stays shown even when its write fails.
//
// Each property is named in the settings table (DockSetting), and the shared code goes through the
// table: showing a configuration, and turning a shown value back into the Dock's.
class DockSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(double dockSize READ dockSize WRITE setDockSize NOTIFY dockSizeChanged)
    Q_PROPERTY(double magnificationSize READ magnificationSize WRITE setMagnificationSize NOTIFY
                   magnificationSizeChanged)
    Q_PROPERTY(bool isAutoHideEnabled READ isAutoHideEnabled WRITE setIsAutoHideEnabled NOTIFY
                   isAutoHideEnabledChanged)
    Q_PROPERTY(bool isMagnificationEnabled READ isMagnificationEnabled WRITE setIsMagnificationEnabled NOTIFY
                   isMagnificationEnabledChanged)
    Q_PROPERTY(bool showOnlyRunningApps READ showOnlyRunningApps WRITE setShowOnlyRunningApps NOTIFY
                   showOnlyRunningAppsChanged)
    Q_PROPERTY(bool dimHiddenApps READ dimHiddenApps WRITE setDimHiddenApps NOTIFY dimHiddenAppsChanged)
    Q_PROPERTY(bool showRunningIndicators READ showRunningIndicators WRITE setShowRunningIndicators NOTIFY
                   showRunningIndicatorsChanged)
    Q_PROPERTY(bool minimizeIntoAppIcon READ minimizeIntoAppIcon WRITE setMinimizeIntoAppIcon NOTIFY
                   minimizeIntoAppIconChanged)
    Q_PROPERTY(bool hideRecentApps READ hideRecentApps WRITE setHideRecentApps NOTIFY hideRecentAppsChanged)
    Q_PROPERTY(bool fastAutoHide READ fastAutoHide WRITE setFastAutoHide NOTIFY fastAutoHideChanged)
    // Raw values: "left", "bottom", "right".
    Q_PROPERTY(QString dockPosition READ dockPositionRawValue WRITE setDockPositionRawValue NOTIFY
                   dockPositionChanged)
    // Raw values: "genie", "scale", "suck".
    Q_PROPERTY(QString minimizeEffect READ minimizeEffectRawValue WRITE setMinimizeEffectRawValue NOTIFY
                   minimizeEffectChanged)

public:
    // Writes one setting, as it is in `values`, to the Dock and reports how that went.
    using Writer = std::function<void(DockSetting setting, DockConfiguration values)>;

    explicit DockSettings(Writer writer, QObject* parent = nullptr);

    [[nodiscard]] double dockSize() const { return m_dockSize; }
    void setDockSize(double value) { assign(m_dockSize, value, &DockSettings::dockSizeChanged); }
    [[nodiscard]] double magnificationSize() const { return m_magnificationSize; }
    void setMagnificationSize(double value) {
        assign(m_magnificationSize, value, &DockSettings::magnificationSizeChanged);
    }
    [[nodiscard]] bool isAutoHideEnabled() const { return m_isAutoHideEnabled; }
    void setIsAutoHideEnabled(bool value) {
        assign(m_isAutoHideEnabled, value, &DockSettings::isAutoHideEnabledChanged);
    }
    [[nodiscard]] bool isMagnificationEnabled() const { return m_isMagnificationEnabled; }
    void setIsMagnificationEnabled(bool value) {
        assign(m_isMagnificationEnabled, value, &DockSettings::isMagnificationEnabledChanged);
    }
    [[nodiscard]] bool showOnlyRunningApps() const { return m_showOnlyRunningApps; }
    void setShowOnlyRunningApps(bool value) {
        assign(m_showOnlyRunningApps, value, &DockSettings::showOnlyRunningAppsChanged);
    }
    [[nodiscard]] bool dimHiddenApps() const { return m_dimHiddenApps; }
    void setDimHiddenApps(bool value) { assign(m_dimHiddenApps, value, &DockSettings::dimHiddenAppsChanged); }
    [[nodiscard]] bool showRunningIndicators() const { return m_showRunningIndicators; }
    void setShowRunningIndicators(bool value) {
        assign(m_showRunningIndicators, value, &DockSettings::showRunningIndicatorsChanged);
    }
    [[nodiscard]] bool minimizeIntoAppIcon() const { return m_minimizeIntoAppIcon; }
    void setMinimizeIntoAppIcon(bool value) {
        assign(m_minimizeIntoAppIcon, value, &DockSettings::minimizeIntoAppIconChanged);
    }
    [[nodiscard]] bool hideRecentApps() const { return m_hideRecentApps; }
    void setHideRecentApps(bool value) {
        assign(m_hideRecentApps, value, &DockSettings::hideRecentAppsChanged);
    }
    [[nodiscard]] bool fastAutoHide() const { return m_fastAutoHide; }
    void setFastAutoHide(bool value) { assign(m_fastAutoHide, value, &DockSettings::fastAutoHideChanged); }
    [[nodiscard]] DockPosition dockPosition() const { return m_dockPosition; }
    [[nodiscard]] QString dockPositionRawValue() const { return rawValue(m_dockPosition); }
    // Anything but a raw value changes nothing.
    void setDockPositionRawValue(const QString& raw);
    [[nodiscard]] MinimizeEffect minimizeEffect() const { return m_minimizeEffect; }
    [[nodiscard]] QString minimizeEffectRawValue() const { return rawValue(m_minimizeEffect); }
    void setMinimizeEffectRawValue(const QString& raw);

    // Shows a configuration's settings, one change at a time: after reading the Dock and after
    // applying a preset or a profile.
    void updateSettings(const DockConfiguration& configuration);

    // Each stores the value, then writes it. The sliders store their value while dragging and
    // apply once, when released.
    Q_INVOKABLE void applyDockSize() { apply(&DockConfiguration::dockSize); }
    Q_INVOKABLE void applyMagnificationSize() { apply(&DockConfiguration::magnificationSize); }
    Q_INVOKABLE void applyMagnification(bool enabled) { apply(&DockConfiguration::magnification, enabled); }
    Q_INVOKABLE void applyAutoHide(bool enabled) { apply(&DockConfiguration::autoHide, enabled); }
    Q_INVOKABLE void applyFastAutoHide(bool enabled) { apply(&DockConfiguration::fastAutoHide, enabled); }
    Q_INVOKABLE void applyShowOnlyRunningApps(bool enabled) {
        apply(&DockConfiguration::showOnlyRunningApps, enabled);
    }
    Q_INVOKABLE void applyDimHiddenApps(bool enabled) { apply(&DockConfiguration::showHidden, enabled); }
    Q_INVOKABLE void applyShowRunningIndicators(bool enabled) {
        apply(&DockConfiguration::showProcessIndicators, enabled);
    }
    Q_INVOKABLE void applyMinimizeIntoAppIcon(bool enabled) {
        apply(&DockConfiguration::minimizeToApplication, enabled);
    }
    Q_INVOKABLE void applyHideRecentApps(bool hidden) { apply(&DockConfiguration::showRecentApps, hidden); }
    // "left", "bottom" or "right"; anything else changes nothing.
    Q_INVOKABLE void applyDockPosition(const QString& position) {
        apply(&DockConfiguration::orientation, position);
    }
    // "genie", "scale" or "suck"; anything else changes nothing.
    Q_INVOKABLE void applyMinimizeEffect(const QString& effect) {
        apply(&DockConfiguration::minimizeEffect, effect);
    }

Q_SIGNALS:
    void dockSizeChanged();
    void magnificationSizeChanged();
    void isAutoHideEnabledChanged();
    void isMagnificationEnabledChanged();
    void showOnlyRunningAppsChanged();
    void dimHiddenAppsChanged();
    void showRunningIndicatorsChanged();
    void minimizeIntoAppIconChanged();
    void hideRecentAppsChanged();
    void fastAutoHideChanged();
    void dockPositionChanged();
    void minimizeEffectChanged();

private:
    // Every setting changes the same way: only when the value differs, then notifies.
    template <typename T> void assign(T& field, const T& value, void (DockSettings::*changed)()) {
        if (field == value)
            return;
        field = value;
        Q_EMIT(this->*changed)();
    }
    // Shows `shown` when it is given, then writes what is shown; a value the setting cannot hold
    // changes nothing.
    void apply(DockSetting::Member member, const QVariant& shown = {});

    Writer m_writer;
    double m_dockSize = 48;
    double m_magnificationSize = 96;
    bool m_isAutoHideEnabled = false;
    bool m_isMagnificationEnabled = false;
    bool m_showOnlyRunningApps = false;
    bool m_dimHiddenApps = false;
    bool m_showRunningIndicators = true;
    bool m_minimizeIntoAppIcon = true;
    bool m_hideRecentApps = true;
    bool m_fastAutoHide = false;
    DockPosition m_dockPosition = DockPosition::bottom;
    MinimizeEffect m_minimizeEffect = MinimizeEffect::genie;
};
