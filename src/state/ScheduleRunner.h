// SPDX-License-Identifier: MIT
#pragma once

#include "stores/DockProfile.h"
#include "stores/DockSchedule.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

// Looks at the schedules twice a minute and says which one is due; what applying it means is up to
// whoever listens.
class ScheduleRunner : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    struct Due {
        QUuid scheduleId;
        DockProfile profile;
        // The moment it was found due, which marks it as applied in this minute.
        QDateTime now;
    };

    static constexpr std::chrono::seconds interval{30};

    // The lists are read at each check, so they must outlive the runner. `clock` gives the local "now".
    ScheduleRunner(const QList<DockSchedule>& schedules, const QList<DockProfile>& profiles, Clock clock,
                   QObject* parent = nullptr);

    // The first check comes one interval after the start.
    void start();
    // Says `due` for the schedule that is due now, if any.
    void check();

    // The first enabled schedule, in list order, whose day, hour and minute are those of now in the
    // local time zone, that has not been applied in this very minute and whose profile still exists.
    [[nodiscard]] std::optional<Due> dueSchedule() const;

Q_SIGNALS:
    void due(const ScheduleRunner::Due& due);

private:
    const QList<DockSchedule>& m_schedules;
    const QList<DockProfile>& m_profiles;
    Clock m_clock;
    QTimer m_timer;
};
