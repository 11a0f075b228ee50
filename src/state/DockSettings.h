// SPDX-License-Identifier: MIT
#pragma once

#include "dock/DockService.h"
#include "model/DockConfiguration.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>

#include <functional>

// The twelve Dock settings as the window and the menu show them, and their changes: each stores the
// new value, then has its owner write it to the Dock. Nothing is read back from the Dock after a
// change, so a value stays shown even when its write fails.
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
    using QObject::QObject;

    [[nodiscard]] double dockSize() const { return m_dockSize; }
    void setDockSize(double value);
    [[nodiscard]] double magnificationSize() const { return m_magnificationSize; }
    void setMagnificationSize(double value);
    [[nodiscard]] bool isAutoHideEnabled() const { return m_isAutoHideEnabled; }
    void setIsAutoHideEnabled(bool value);
    [[nodiscard]] bool isMagnificationEnabled() const { return m_isMagnificationEnabled; }
    void setIsMagnificationEnabled(bool value);
    [[nodiscard]] bool showOnlyRunningApps() const { return m_showOnlyRunningApps; }
    void setShowOnlyRunningApps(bool value);
    [[nodiscard]] bool dimHiddenApps() const { return m_dimHiddenApps; }
    void setDimHiddenApps(bool value);
    [[nodiscard]] bool showRunningIndicators() const { return m_showRunningIndicators; }
    void setShowRunningIndicators(bool value);
    [[nodiscard]] bool minimizeIntoAppIcon() const { return m_minimizeIntoAppIcon; }
    void setMinimizeIntoAppIcon(bool value);
    [[nodiscard]] bool hideRecentApps() const { return m_hideRecentApps; }
    void setHideRecentApps(bool value);
    [[nodiscard]] bool fastAutoHide() const { return m_fastAutoHide; }
    void setFastAutoHide(bool value);
    [[nodiscard]] DockPosition dockPosition() const { return m_dockPosition; }
    void setDockPosition(DockPosition value);
    [[nodiscard]] QString dockPositionRawValue() const;
    void setDockPositionRawValue(const QString& raw);
    [[nodiscard]] MinimizeEffect minimizeEffect() const { return m_minimizeEffect; }
    void setMinimizeEffect(MinimizeEffect value);
    [[nodiscard]] QString minimizeEffectRawValue() const;
    void setMinimizeEffectRawValue(const QString& raw);

    // Shows a configuration's settings, one change at a time: after reading the Dock and after
    // applying a preset or a profile.
    void updateSettings(const DockConfiguration& configuration);

    // Each stores the value, then writes it. The sliders store their value while dragging and
    // apply once, when released.
    Q_INVOKABLE void applyDockSize();
    Q_INVOKABLE void applyMagnificationSize();
    Q_INVOKABLE void applyMagnification(bool enabled);
    Q_INVOKABLE void applyAutoHide(bool enabled);
    Q_INVOKABLE void applyFastAutoHide(bool enabled);
    Q_INVOKABLE void applyShowOnlyRunningApps(bool enabled);
    Q_INVOKABLE void applyDimHiddenApps(bool enabled);
    Q_INVOKABLE void applyShowRunningIndicators(bool enabled);
    Q_INVOKABLE void applyMinimizeIntoAppIcon(bool enabled);
    Q_INVOKABLE void applyHideRecentApps(bool hidden);
    // "left", "bottom" or "right"; anything else changes nothing.
    Q_INVOKABLE void applyDockPosition(const QString& position);
    // "genie", "scale" or "suck"; anything else changes nothing.
    Q_INVOKABLE void applyMinimizeEffect(const QString& effect);

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

protected:
    using DockWrite = std::function<QCoro::Task<>(const DockService&)>;
    // Runs one write of a changed setting and reports its outcome.
    virtual void writeToDock(DockWrite write) = 0;

private:
    void applyBool(void (DockSettings::*store)(bool), DockPreferenceKey key, bool value);

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
