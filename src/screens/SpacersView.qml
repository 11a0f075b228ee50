// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Spacers section: one card per kind of blank tile or recents stack, each click adding one more
// to the Dock. Tiles are never listed or removed here; the Dock's own menu removes them.
ScreenPage {
    id: screen

    objectName: "spacersView"
    title: qsTr("Spacers")
    subtitle: qsTr("Add invisible separators to visually group apps and folders in your Dock.")
    spacing: Theme.spacing.section

    readonly property string stackSubtitle: qsTr("Add a dynamic stack to the right side of your Dock.")

    // Clicks are never held back while an earlier addition runs: each one is a tile the user asked for.
    readonly property var sections: [
        {
            key: "apps", title: qsTr("Apps Section"),
            subtitle: qsTr("Adds a spacer between app icons on the left side of the Dock."),
            cards: [
                {
                    key: "standardAppsSpacer", title: qsTr("Standard Spacer"),
                    subtitle: qsTr("Full-width blank tile between app groups."), icon: "rectangle.split.3x1.fill",
                    action: () => DockViewModel.addSpacer("standard", "apps")
                },
                {
                    key: "smallAppsSpacer", title: qsTr("Small Spacer"),
                    subtitle: qsTr("Half-width blank tile for subtle separation."), icon: "rectangle.split.2x1.fill",
                    action: () => DockViewModel.addSpacer("small", "apps")
                }
            ]
        },
        {
            key: "others", title: qsTr("Right Side"),
            subtitle: qsTr("Adds a spacer near Downloads, Trash, and stacks on the right side."),
            cards: [
                {
                    key: "standardRightSpacer", title: qsTr("Standard Right Spacer"),
                    subtitle: qsTr("Full-width blank tile on the right section."), icon: "rectangle.split.3x1",
                    action: () => DockViewModel.addSpacer("standard", "others")
                },
                {
                    key: "smallRightSpacer", title: qsTr("Small Right Spacer"),
                    subtitle: qsTr("Half-width tile on the right section."), icon: "rectangle.split.2x1",
                    action: () => DockViewModel.addSpacer("small", "others")
                }
            ]
        },
        {
            key: "stacks", title: qsTr("Recent Stacks"),
            subtitle: qsTr("Add smart stacks that show recent apps, documents, or servers."),
            // The Dock's own list-type numbers: 1 applications, 2 documents, 4 servers.
            cards: [
                {
                    key: "recentApplications", title: qsTr("Recent Applications"), subtitle: screen.stackSubtitle,
                    icon: "app.fill", action: () => DockViewModel.addRecentStack(1)
                },
                {
                    key: "recentDocuments", title: qsTr("Recent Documents"), subtitle: screen.stackSubtitle,
                    icon: "doc.fill", action: () => DockViewModel.addRecentStack(2)
                },
                {
                    key: "recentServers", title: qsTr("Recent Servers"), subtitle: screen.stackSubtitle,
                    icon: "server.rack", action: () => DockViewModel.addRecentStack(4)
                }
            ]
        }
    ]

    Repeater {
        model: screen.sections

        delegate: ColumnLayout {
            id: section

            required property var modelData

            objectName: "spacerSection_" + modelData.key
            Layout.fillWidth: true
            spacing: Theme.spacing.snug

            SectionHeader {
                Layout.fillWidth: true
                title: section.modelData.title
                subtitle: section.modelData.subtitle
            }

            Repeater {
                model: section.modelData.cards

                delegate: SpacerActionCard {
                    required property var modelData

                    objectName: "spacerCard_" + modelData.key
                    Layout.fillWidth: true
                    title: modelData.title
                    subtitle: modelData.subtitle
                    icon: modelData.icon
                    onActivated: modelData.action()
                }
            }
        }
    }

    InfoBanner {
        objectName: "spacersBanner"
        icon: "info.circle.fill"
        message: qsTr("Spacers appear immediately. To remove a spacer, right-click it in your Dock and choose Remove from Dock.")
    }
}
