// SPDX-License-Identifier: MIT
import QtQuick

// A link on the About screen with a single label.
AboutLinkRow {
    value: ""
}
