// SPDX-License-Identifier: MIT
#include "DockError.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString describe(DockError::Kind kind, const QString& detail) {
    QString description =
        kind == DockError::Kind::exportFailed
            ? QCoreApplication::translate("DockError", "Couldn't read the current Dock layout.")
            : QCoreApplication::translate("DockError", "Couldn't apply the Dock layout.");
    if (!detail.isEmpty())
        description += u' ' + detail;
    return description;
}

} // namespace

DockError DockError::exportFailed(const QString& detail) {
    return DockError(Kind::exportFailed, detail);
}

DockError DockError::importFailed(const QString& detail) {
    return DockError(Kind::importFailed, detail);
}

DockError::DockError(Kind kind, QString detail)
    : Error(describe(kind, detail.trimmed()))
    , m_kind(kind)
    , m_detail(std::move(detail).trimmed()) {}
