// SPDX-License-Identifier: MIT
#pragma once

#include "common/Error.h"

// A failed export or import of the Dock's whole preferences domain.
class DockError : public Error {
public:
    enum class Kind { exportFailed, importFailed };

    // `detail` is the tool's error text; it is trimmed, and left out when nothing remains.
    [[nodiscard]] static DockError exportFailed(const QString& detail);
    [[nodiscard]] static DockError importFailed(const QString& detail);

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    [[nodiscard]] const QString& detail() const noexcept { return m_detail; }

private:
    DockError(Kind kind, QString detail);

    Kind m_kind;
    QString m_detail;
};
