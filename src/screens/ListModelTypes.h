// SPDX-License-Identifier: MIT
#pragma once

#include "state/BackupListModel.h"
#include "state/PresetListModel.h"
#include "state/ProfileListModel.h"
#include "state/ScheduleListModel.h"

#include <QObject>
#include <QtQml/qqml.h>

// Makes the view model's list models known to QML's tools by their types, so that the linter and
// the compiler see their `count`, `get` and `indexOf`; QML never creates one itself.
struct PresetListModelForeign {
    Q_GADGET
    QML_FOREIGN(PresetListModel)
    QML_ANONYMOUS
};

struct ProfileListModelForeign {
    Q_GADGET
    QML_FOREIGN(ProfileListModel)
    QML_ANONYMOUS
};

struct ScheduleListModelForeign {
    Q_GADGET
    QML_FOREIGN(ScheduleListModel)
    QML_ANONYMOUS
};

struct BackupListModelForeign {
    Q_GADGET
    QML_FOREIGN(BackupListModel)
    QML_ANONYMOUS
};
