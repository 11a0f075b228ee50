// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Berthwise

// The product's name, version and maker, with links to the maker's pages.
Flickable {
    id: about
    objectName: "aboutView"

    readonly property string title: "About"
    // Read once: the build's version does not change while the screen is shown.
    readonly property string appVersion: AppInfo.version
    readonly property string buildNumber: AppInfo.buildNumber

    contentWidth: width
    contentHeight: page.height + 80 + 40
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {
        Accessible.name: "About"
    }

    component Card: Rectangle {
        width: parent.width
        height: childrenRect.height
        radius: 20
        color: Theme.thinMaterial
        border.width: 1
        border.color: Theme.quaternaryText
        clip: true
    }

    component Divider: Rectangle {
        property real leadingInset: 20
        property real trailingInset: 0
        x: leadingInset
        width: parent.width - leadingInset - trailingInset
        height: 1
        color: Theme.quaternaryText
    }

    Column {
        id: page
        width: Math.min(600, about.width - 80)
        x: (about.width - width) / 2
        y: 40
        spacing: 24

        Column {
            width: parent.width
            spacing: 8

            Item {
                width: 100
                height: 100
                anchors.horizontalCenter: parent.horizontalCenter

                SoftShadow {
                    anchors.fill: parent
                    cornerRadius: 22
                    radius: 8
                    strength: 0.2
                }

                Rectangle {
                    objectName: "appIcon"
                    anchors.fill: parent
                    radius: 22
                    gradient: Gradient {
                        orientation: Gradient.Vertical
                        GradientStop { position: 0; color: Theme.blue }
                        GradientStop { position: 1; color: Theme.indigo }
                    }
                    Accessible.role: Accessible.Graphic
                    Accessible.name: "Berthwise icon"

                    SymbolIcon {
                        anchors.centerIn: parent
                        name: "dock.rectangle"
                        size: 64
                        color: "white"
                    }
                }
            }

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Berthwise"
                font.pixelSize: Theme.largeTitle
                font.bold: true
                color: Theme.primaryText
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Text {
                objectName: "aboutVersion"
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Version " + about.appVersion + " (" + about.buildNumber + ")"
                font.pixelSize: Theme.subheadline
                color: Theme.tertiaryText
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(380, parent.width)
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: "Customize your macOS Dock visually, safely, and instantly."
                font.pixelSize: Theme.body
                color: Theme.secondaryText
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        Card {
            objectName: "makerCard"

            Column {
                width: parent.width

                Item {
                    width: parent.width
                    height: 52 + 40

                    Rectangle {
                        id: initials
                        x: 20
                        anchors.verticalCenter: parent.verticalCenter
                        width: 52
                        height: 52
                        radius: 26
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0; color: Theme.blue }
                            GradientStop { position: 1; color: Theme.indigo }
                        }
                        Accessible.ignored: true

                        Text {
                            anchors.centerIn: parent
                            text: AppInfo.makerInitials
                            color: "white"
                            font.bold: true
                            font.pixelSize: 19
                        }
                    }

                    Column {
                        anchors.left: initials.right
                        anchors.leftMargin: 14
                        anchors.right: seal.left
                        anchors.rightMargin: 14
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 2
                        Accessible.role: Accessible.StaticText
                        Accessible.name: AppInfo.makerName + ", " + AppInfo.makerDescription

                        Text {
                            text: AppInfo.makerName
                            font.pixelSize: Theme.headline
                            font.weight: Font.DemiBold
                            color: Theme.primaryText
                        }

                        Text {
                            width: parent.width
                            text: AppInfo.makerDescription
                            font.pixelSize: Theme.subheadline
                            color: Theme.secondaryText
                            elide: Text.ElideRight
                        }
                    }

                    SymbolIcon {
                        id: seal
                        anchors.right: parent.right
                        anchors.rightMargin: 20
                        anchors.verticalCenter: parent.verticalCenter
                        name: "checkmark.seal.fill"
                        size: Theme.title2 + 4
                        color: Theme.blue
                    }
                }

                Divider {
                    trailingInset: 20
                }

                AboutLinkRow {
                    objectName: "websiteRow"
                    width: parent.width
                    icon: "globe"
                    iconColor: Theme.blue
                    label: "Website"
                    value: AppInfo.displayAddress(AppInfo.website)
                    url: AppInfo.website
                }

                // Starts under the text, not under the tile.
                Divider {
                    leadingInset: 56
                }

                AboutLinkRow {
                    objectName: "productPageRow"
                    width: parent.width
                    icon: "shippingbox.fill"
                    iconColor: Theme.indigo
                    label: "Product Page"
                    value: AppInfo.displayAddress(AppInfo.productPage)
                    url: AppInfo.productPage
                }
            }
        }

        Card {
            objectName: "contactCard"

            AboutActionRow {
                objectName: "contactRow"
                width: parent.width
                icon: "envelope.fill"
                iconColor: Theme.blue
                label: "Get in Touch"
                url: AppInfo.contactPage
            }
        }

        Column {
            width: parent.width
            spacing: 4

            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "© Berthwise. Released under the MIT License."
                font.pixelSize: Theme.caption
                color: Theme.tertiaryText
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "Designed and built on macOS and Linux."
                font.pixelSize: Theme.caption
                color: Theme.quaternaryText
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
    }
}
