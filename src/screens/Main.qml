// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window
    objectName: "main"
    title: "Berthwise"
    width: 1100
    height: 720
    minimumWidth: 980
    minimumHeight: 680
    visible: true
}
