// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The product's name, version and maker, with links to the maker's pages.
ScreenPage {
    id: about

    objectName: "aboutView"
    navigationTitle: qsTr("About")
    showsHeader: false
    maximumContentWidth: 600
    padding: Theme.spacing.spacious
    spacing: Theme.spacing.loose

    // Read once: the installed version does not change while the screen is shown.
    readonly property string appVersion: AppInfo.version
    readonly property string buildNumber: AppInfo.buildNumber

    component AboutCard: CardSurface {
        Layout.fillWidth: true
        shadowed: false
        // The rows inside show the hover; the card itself stays still.
        clip: true
    }

    ColumnLayout {
        objectName: "aboutHeader"
        Layout.fillWidth: true
        // Its widest line would otherwise cap the column, which would then stand at the left.
        Layout.maximumWidth: Infinity
        spacing: Theme.spacing.small

        Item {
            Layout.alignment: Qt.AlignHCenter
            implicitWidth: 100
            implicitHeight: 100

            SoftShadow {
                anchors.fill: parent
                cornerRadius: Theme.radius.appIcon
                radius: 8
                strength: 0.2
            }

            Image {
                objectName: "appIcon"
                anchors.fill: parent
                source: "about/AppIcon.png"
                sourceSize.width: width
                sourceSize.height: height
                smooth: true
                Accessible.role: Accessible.Graphic
                Accessible.name: qsTr("Berthwise icon")
            }
        }

        StaticText {
            Layout.alignment: Qt.AlignHCenter
            text: "Berthwise"
            font: Theme.font.largeTitle
            Accessible.role: Accessible.Heading
        }

        StaticText {
            objectName: "aboutVersion"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Version %1 (%2)").arg(about.appVersion).arg(about.buildNumber)
            font: Theme.font.subheadline
            color: Theme.tertiaryText
        }

        StaticText {
            objectName: "aboutDescription"
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 380
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Customize your macOS Dock visually, safely, and instantly.")
            color: Theme.secondaryText
        }
    }

    AboutCard {
        objectName: "makerCard"

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.spacing.loose
            spacing: Theme.spacing.comfortable
            Accessible.role: Accessible.StaticText
            Accessible.name: AppInfo.makerName + ", " + AppInfo.makerDescription

            Item {
                implicitWidth: 52
                implicitHeight: 52

                // A circle is the same turned any way, so a top-to-bottom gradient turned an eighth
                // back runs from the top-leading to the bottom-trailing edge.
                Rectangle {
                    anchors.fill: parent
                    radius: width / 2
                    rotation: -45
                    antialiasing: true
                    gradient: Gradient {
                        GradientStop {
                            position: 0
                            color: Theme.blue
                        }
                        GradientStop {
                            position: 1
                            color: Theme.indigo
                        }
                    }
                }

                Text {
                    anchors.centerIn: parent
                    text: AppInfo.makerInitials
                    color: Theme.onAccent
                    font: Theme.font.initials
                    Accessible.ignored: true
                }
            }

            TitleBlock {
                Layout.fillWidth: true
                title: AppInfo.makerName
                subtitle: AppInfo.makerDescription
                announced: false
            }

            SymbolIcon {
                name: "checkmark.seal.fill"
                size: Theme.iconSize.tile
                color: Theme.blue
            }
        }

        Divider {
            Layout.fillWidth: true
            leadingInset: Theme.spacing.loose
            trailingInset: Theme.spacing.loose
        }

        AboutLinkRow {
            objectName: "websiteRow"
            Layout.fillWidth: true
            icon: "globe"
            iconColor: Theme.blue
            label: qsTr("Website")
            value: AppInfo.displayAddress(AppInfo.website)
            url: AppInfo.website
        }

        // Starts under the text, not under the tile.
        Divider {
            Layout.fillWidth: true
            leadingInset: 56
        }

        AboutLinkRow {
            objectName: "productPageRow"
            Layout.fillWidth: true
            icon: "shippingbox.fill"
            iconColor: Theme.indigo
            label: qsTr("Product Page")
            value: AppInfo.displayAddress(AppInfo.productPage)
            url: AppInfo.productPage
        }
    }

    AboutCard {
        objectName: "contactCard"

        AboutActionRow {
            objectName: "contactRow"
            Layout.fillWidth: true
            icon: "envelope.fill"
            iconColor: Theme.blue
            label: qsTr("Get in Touch")
            url: AppInfo.contactPage
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.tight

        StaticText {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("© Berthwise. Released under the MIT License.")
            font: Theme.font.caption
            color: Theme.tertiaryText
        }

        StaticText {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Designed and built on macOS and Linux.")
            font: Theme.font.caption
            color: Theme.quaternaryText
        }
    }
}
