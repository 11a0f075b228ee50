// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "ProfilesView"
    width: 1000
    height: 760

    readonly property string workId: "6f9619ff-8b86-d011-b42d-00c04fc964ff"
    readonly property string homeId: "0b3e5b7a-2f4c-4d5e-9a1b-3c4d5e6f7a8b"

    Component { id: viewComponent; ProfilesView {} }
    SignalSpy { id: captureSpy; signalName: "capture" }

    function store(profiles) {
        TestProbe.writeFile(TestProbe.profilesFile(), JSON.stringify(profiles))
    }

    function stored() {
        return JSON.parse(TestProbe.fileText(TestProbe.profilesFile()))
    }

    function popupOf(dialog) {
        tryCompare(dialog, "opened", true)
        return dialog.contentItem.parent
    }

    function chooseFromMenu(view, name, item, way) {
        const card = child(view, "profileCard_" + name)
        operate(child(card, "profileMenu"), way)
        tryCompare(child(card, "cardMenu"), "opened", true)
        operate(child(card, item), way === "click" ? "click" : "Press")
    }

    function type(text) {
        for (const character of text)
            keyClick(character)
    }

    function init() {
        freshStart()
        store([profileRecord(homeId, "Home"), profileRecord(workId, "Work")])
    }

    // Capture is never disabled: a blank name goes to the view model, which names the profile. Each
    // time the sheet opens it starts blank, with the stack chosen.
    function test_captureSheet_data() {
        return [
            { tag: "blank name, Return", opener: "captureButton", way: "click", finish: Qt.Key_Return,
              captured: ["", "square.stack.3d.up.fill"] },
            { tag: "named, icon clicked, from the empty state", empty: true, opener: "emptyStateAction", way: "click",
              typed: "Coding", icon: "moon.fill", iconWay: "click", finish: "click", captured: ["Coding", "moon.fill"] },
            { tag: "Escape", opener: "captureButton", way: Qt.Key_Space, typed: "Gone", icon: "star.fill",
              iconWay: "click", finish: Qt.Key_Escape }
        ]
    }

    function test_captureSheet(data) {
        if (data.empty)
            store([])
        const view = show(viewComponent)
        const sheet = child(view, "captureSheet")
        captureSpy.target = sheet
        captureSpy.clear()
        for (const pass of [1, 2]) {
            operate(child(view, data.opener), data.way)
            const popup = popupOf(sheet)
            compare(child(popup, "profileNameField").text, "")
            compare(sheet.selectedIcon, "square.stack.3d.up.fill")
            type(data.typed ?? "")
            if (data.icon)
                operate(child(settled(child(popup, "iconGrid")), "icon_" + data.icon), data.iconWay)
            finishSheet(sheet, data.finish)
            compare(DockViewModel.isWorking, !!data.captured)
            idle()
        }
        compare(captureSpy.count, data.captured ? 2 : 0)
        if (data.captured)
            compare(Array.from(captureSpy.signalArguments[1]), data.captured)
    }

    // Delete asks nothing: the operation is under way as soon as the item is chosen. Rename's field
    // starts with the name, selected; only a name with something in it is saved, and the dialog
    // closes either way.
    function test_cardMenu_data() {
        return [
            { tag: "delete clicked", item: "deleteItem", way: "click", status: "Profile deleted.", names: ["Home"] },
            { tag: "new name, Save clicked", item: "renameItem", way: "click", typed: "Office", finish: "click",
              status: "Profile renamed.", names: ["Home", "Office"] },
            { tag: "blank, Return", item: "renameItem", way: "click", typed: "", finish: Qt.Key_Return },
            { tag: "Escape", item: "renameItem", way: "click", typed: "Office", finish: Qt.Key_Escape }
        ]
    }

    function test_cardMenu(data) {
        const view = show(viewComponent)
        const statusBefore = DockViewModel.statusMessage
        compare(TestProbe.accessibleName(child(child(view, "profileCard_Work"), "profileMenu")), "More actions for Work")
        chooseFromMenu(view, "Work", data.item, data.way)
        if (data.item === "deleteItem") {
            verify(DockViewModel.isWorking)
        } else {
            const dialog = child(view, "renameDialog")
            const popup = popupOf(dialog)
            compare(child(popup, "renameField").text, "Work")
            tryVerify(() => child(popup, "renameField").activeFocus)
            keyClick(Qt.Key_Backspace)
            type(data.typed)
            finishSheet(dialog, data.finish)
        }
        idle()
        compare(DockViewModel.statusMessage, data.status ?? statusBefore)
        compare(stored().map(profile => profile.name).sort(), data.names ?? ["Home", "Work"])
    }

    // The proposal, accepted, is written, and comes back as a second profile, first in the list.
    function test_exportAndImportBack_data() {
        return [
            { tag: "Work", name: "Work", proposal: "Work.berthwise.json", importWay: "click" },
            { tag: "slashes in the name", name: "Q1/Q2/Q3", proposal: "Q1-Q2-Q3.berthwise.json", importWay: "Press" }
        ]
    }

    function test_exportAndImportBack(data) {
        store([profileRecord(workId, data.name)])
        const view = show(viewComponent)
        const dialog = child(view, "exportDialog")
        // The dialog proposes its name in the folder it starts in.
        dialog.currentFolder = TestProbe.homeFile("")
        chooseFromMenu(view, data.name, "exportItem", "click")
        tryCompare(dialog, "visible", true)
        // Without a platform theme the dialog is Qt's built-in one, which the window dims beneath.
        tryCompare(view, "fileDialogInWindow", true)
        const file = TestProbe.homeFile(data.proposal)
        compare(dialog.selectedFile, file)
        dialog.accept()
        tryCompare(view, "fileDialogInWindow", false)
        idle()
        compare(DockViewModel.statusMessage, "Profile exported.")
        const text = TestProbe.fileText(file)
        const exported = JSON.parse(text)
        compare(exported.name, data.name)

        const importDialog = child(view, "importDialog")
        importDialog.selectedFile = file
        operate(child(view, "importButton"), data.importWay)
        tryCompare(importDialog, "visible", true)
        importDialog.accept()
        idle()
        compare(DockViewModel.statusMessage, "Profile imported.")
        compare(TestProbe.fileText(file), text)
        compare(stored().map(profile => profile.name), [data.name, data.name])
    }
}
