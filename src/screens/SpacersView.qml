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
    function spacerCard(key, size, section, title, subtitle, icon) {
        return { key: key, title: title, subtitle: subtitle, icon: icon,
                 action: () => DockViewModel.addSpacer(size, section) }
    }

    // The Dock's own list-type numbers: 1 applications, 2 documents, 4 servers.
    function stackCard(key, title, icon, listType) {
        return { key: key, title: title, subtitle: screen.stackSubtitle, icon: icon,
                 action: () => DockViewModel.addRecentStack(listType) }
    }

    readonly property var sections: [
        {
            key: "apps", title: qsTr("Apps Section"),
            subtitle: qsTr("Adds a spacer between app icons on the left side of the Dock."),
            cards: [
                spacerCard("standardAppsSpacer", "standard", "apps", qsTr("Standard Spacer"),
                           qsTr("Full-width blank tile between app groups."), "rectangle.split.3x1.fill"),
                spacerCard("smallAppsSpacer", "small", "apps", qsTr("Small Spacer"),
                           qsTr("Half-width blank tile for subtle separation."), "rectangle.split.2x1.fill")
            ]
        },
        {
            key: "others", title: qsTr("Right Side"),
            subtitle: qsTr("Adds a spacer near Downloads, Trash, and stacks on the right side."),
            cards: [
                spacerCard("standardRightSpacer", "standard", "others", qsTr("Standard Right Spacer"),
                           qsTr("Full-width blank tile on the right section."), "rectangle.split.3x1"),
                spacerCard("smallRightSpacer", "small", "others", qsTr("Small Right Spacer"),
                           qsTr("Half-width tile on the right section."), "rectangle.split.2x1")
            ]
        },
        {
            key: "stacks", title: qsTr("Recent Stacks"),
            subtitle: qsTr("Add smart stacks that show recent apps, documents, or servers."),
            cards: [
                stackCard("recentApplications", qsTr("Recent Applications"), "app.fill", 1),
                stackCard("recentDocuments", qsTr("Recent Documents"), "doc.fill", 2),
                stackCard("recentServers", qsTr("Recent Servers"), "server.rack", 4)
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
