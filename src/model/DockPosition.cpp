// SPDX-License-Identifier: MIT
#include "DockPosition.h"

using namespace Qt::StringLiterals;

QString rawValue(DockPosition position) {
    switch (position) {
    case DockPosition::left:
        return u"left"_s;
    case DockPosition::bottom:
        return u"bottom"_s;
    case DockPosition::right:
        return u"right"_s;
    }
    Q_UNREACHABLE();
    return u"bottom"_s;
}

std::optional<DockPosition> dockPositionFromRawValue(QStringView raw) {
    for (DockPosition position : allDockPositions) {
        if (rawValue(position) == raw)
            return position;
    }
    return std::nullopt;
}
