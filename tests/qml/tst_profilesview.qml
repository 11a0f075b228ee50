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

    Component {
        id: viewComponent
        ProfilesView {
            width: testCase.width
            height: testCase.height
        }
    }

    SignalSpy {
        id: captureSpy
        signalName: "capture"
    }

    // A profile as the profiles file holds it.
    function profile(id, name, fields) {
        return Object.assign({
            id: id, name: name, icon: "briefcase.fill", createdAt: "2025-03-14T09:30:05Z", dockSize: 64,
            magnification: false, magnificationSize: 96, autoHide: false, fastAutoHide: false, showRecentApps: true,
            minimizeToApplication: false, showHidden: false, showOnlyRunningApps: false, showProcessIndicators: true,
            orientation: "bottom", minimizeEffect: "genie"
        }, fields ?? {})
    }

    function store(profiles) {
        TestProbe.writeFile(TestProbe.profilesFile(), JSON.stringify(profiles))
    }

    function storedNames() {
        return JSON.parse(TestProbe.fileText(TestProbe.profilesFile())).map(stored => stored.name)
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        settled(child(view, "profileGrid"))
        return view
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

    // The file dialogs start where the test home's files are.
    function chooseFile(dialog, file) {
        dialog.currentFolder = TestProbe.homeFile("")
        if (file)
            dialog.selectedFile = file
    }

    function type(text) {
        for (const character of text)
            keyClick(character)
    }

    // Home is the older, yet first in the file; Work sits on the left, 48 points, auto-hidden.
    function init() {
        idle()
        DockViewModel.lastError = ""
        store([profile(homeId, "Home"), profile(workId, "Work", { createdAt: "2025-03-15T08:00:00Z", dockSize: 48,
                                                                   orientation: "left", autoHide: true })])
    }

    // The list is read from the file as the screen appears; an unreadable file shows as none and
    // stays as it was.
    function test_gridOrEmptyState_data() {
        return [
            { tag: "newest first, with their badges", cards: [["Work", "Size 48px", "Left", "Auto-hide"],
                                                              ["Home", "Size 64px", "Bottom"]] },
            { tag: "no profiles", file: "[]", cards: [] },
            { tag: "unreadable file", file: "[{\"id\": ", cards: [] }
        ]
    }

    function test_gridOrEmptyState(data) {
        if (data.file)
            TestProbe.writeFile(TestProbe.profilesFile(), data.file)
        const view = createView()
        compare(child(view, "profilesEmptyState").visible, data.cards.length === 0)
        compare(child(view, "profileGrid").visible, data.cards.length > 0)
        verify(child(view, "importButton").visible && child(view, "captureButton").visible)
        compare(DockViewModel.profiles.count, data.cards.length)
        const shown = data.cards.map(([name]) => child(view, "profileCard_" + name))
        for (let row = 0; row < shown.length; ++row) {
            const badges = Array.from(child(shown[row], "profileBadges").children).filter(item => item.label)
            compare(badges.map(badge => badge.label), data.cards[row].slice(1))
            if (row > 0)
                verify(shown[row].y > shown[row - 1].y || shown[row].x > shown[row - 1].x, "newest first")
        }
        if (data.file)
            compare(TestProbe.fileText(TestProbe.profilesFile()), data.file)
    }

    // Capture is never disabled: a blank name goes to the view model, which names the profile. Each
    // time the sheet opens it starts blank, with the stack chosen.
    function test_captureSheet_data() {
        return [
            { tag: "blank name, Return", opener: "captureButton", way: "click", finish: Qt.Key_Return,
              captured: ["", "square.stack.3d.up.fill"] },
            { tag: "named, icon clicked, from the empty state", empty: true, opener: "emptyStateAction", way: "click",
              typed: "Coding", icon: "moon.fill", iconWay: "click", finish: "click", captured: ["Coding", "moon.fill"] },
            { tag: "by a screen reader", opener: "captureButton", way: "Press", icon: "terminal.fill",
              iconWay: "Toggle", finish: "Press", captured: ["", "terminal.fill"] },
            { tag: "Escape", opener: "captureButton", way: Qt.Key_Space, typed: "Gone", icon: "star.fill",
              iconWay: "click", finish: Qt.Key_Escape }
        ]
    }

    function test_captureSheet(data) {
        if (data.empty)
            store([])
        const view = createView()
        const sheet = child(view, "captureSheet")
        captureSpy.target = sheet
        captureSpy.clear()
        for (const pass of [1, 2]) {
            operate(child(view, data.opener), data.way)
            const popup = popupOf(sheet)
            compare(child(popup, "profileNameField").text, "")
            compare(sheet.selectedIcon, "square.stack.3d.up.fill")
            type(data.typed ?? "")
            if (data.icon) {
                operate(child(settled(child(popup, "iconGrid")), "icon_" + data.icon), data.iconWay)
            }
            if (typeof data.finish === "number")
                keyClick(data.finish)
            else
                operate(child(popup, "sheetDefault"), data.finish)
            tryCompare(sheet, "visible", false)
            compare(DockViewModel.isWorking, !!data.captured)
            idle()
        }
        compare(captureSpy.count, data.captured ? 2 : 0)
        if (data.captured)
            compare(Array.from(captureSpy.signalArguments[1]), data.captured)
    }

    // The field starts with the name, selected; only a name with something in it is saved, and the
    // dialog closes either way.
    function test_renameDialog_data() {
        return [
            { tag: "new name, Save clicked", typed: "Office", finish: "click", name: "Office" },
            { tag: "blank, Return", typed: "", finish: Qt.Key_Return, name: "Work" },
            { tag: "spaces only, by a screen reader", menuWay: "Press", typed: "   ", finish: "Press", name: "Work" },
            { tag: "Escape", typed: "Office", finish: Qt.Key_Escape, name: "Work" }
        ]
    }

    function test_renameDialog(data) {
        const view = createView()
        const statusBefore = DockViewModel.statusMessage
        chooseFromMenu(view, "Work", "renameItem", data.menuWay ?? "click")
        const dialog = child(view, "renameDialog")
        const field = child(popupOf(dialog), "renameField")
        compare(field.text, "Work")
        tryVerify(() => field.activeFocus)
        keyClick(Qt.Key_Backspace)
        type(data.typed)
        if (typeof data.finish === "number")
            keyClick(data.finish)
        else
            operate(child(dialog.contentItem.parent, "sheetDefault"), data.finish)
        tryCompare(dialog, "visible", false)
        idle()
        compare(DockViewModel.statusMessage, data.name === "Work" ? statusBefore : "Profile renamed.")
        compare(storedNames().sort(), [data.name, "Home"].sort())
    }

    // Delete asks nothing: the operation is under way as soon as the item is chosen.
    function test_deleteAtOnce_data() {
        return [{ tag: "clicked", way: "click" }, { tag: "by the keyboard and a screen reader", way: Qt.Key_Space }]
    }

    function test_deleteAtOnce(data) {
        const view = createView()
        const menuButton = child(child(view, "profileCard_Work"), "profileMenu")
        compare(TestProbe.accessibleName(menuButton), "More actions for Work")
        chooseFromMenu(view, "Work", "deleteItem", data.way)
        verify(DockViewModel.isWorking)
        idle()
        compare(DockViewModel.statusMessage, "Profile deleted.")
        compare(storedNames(), ["Home"])
    }

    // The proposal, accepted, is written; a cancelled dialog writes nothing.
    function test_export_data() {
        return [
            { tag: "Work", name: "Work", proposal: "Work.berthwise.json" },
            { tag: "a slash in the name", name: "Q1/Q2", proposal: "Q1-Q2.berthwise.json" },
            { tag: "cancelled", name: "Travel", proposal: "Travel.berthwise.json", cancel: true }
        ]
    }

    function test_export(data) {
        store([profile(workId, data.name)])
        const view = createView()
        const statusBefore = DockViewModel.statusMessage
        const dialog = child(view, "exportDialog")
        chooseFile(dialog)
        chooseFromMenu(view, data.name, "exportItem", "click")
        tryCompare(dialog, "visible", true)
        const file = TestProbe.homeFile(data.proposal)
        compare(dialog.selectedFile, file)
        if (data.cancel)
            dialog.reject()
        else
            dialog.accept()
        idle()
        compare(DockViewModel.statusMessage, data.cancel ? statusBefore : "Profile exported.")
        if (data.cancel)
            compare(TestProbe.fileText(file), "")
        else
            compare(JSON.parse(TestProbe.fileText(file)).name, data.name)
    }

    // An exported profile comes back under a new identity, first in the list; a file that is no
    // profile is reported and changes nothing, neither the list nor either file.
    function test_import_data() {
        return [
            { tag: "an exported profile", way: "click" },
            { tag: "a copy of the profiles file", way: "Press", text: JSON.stringify([profile(workId, "Copy")]) },
            { tag: "not JSON", way: "click", text: "Work, left, 48" }
        ]
    }

    function test_import(data) {
        const view = createView()
        const source = TestProbe.homeFile("import " + data.tag + ".json")
        if (data.text) {
            TestProbe.writeFile(source, data.text)
        } else {
            DockViewModel.exportProfile(workId, source)
            idle()
        }
        const sourceBefore = TestProbe.fileText(source)
        const storedBefore = TestProbe.fileText(TestProbe.profilesFile())
        const dialog = child(view, "importDialog")
        chooseFile(dialog, source)
        operate(child(view, "importButton"), data.way)
        tryCompare(dialog, "visible", true)
        dialog.accept()
        idle()
        compare(TestProbe.fileText(source), sourceBefore)
        if (data.text) {
            compare(DockViewModel.statusMessage, "Something went wrong.")
            verify(DockViewModel.lastError !== "")
            compare(DockViewModel.profiles.count, 2)
            compare(TestProbe.fileText(TestProbe.profilesFile()), storedBefore)
            return
        }
        compare(DockViewModel.statusMessage, "Profile imported.")
        const exported = JSON.parse(sourceBefore)
        const imported = JSON.parse(TestProbe.fileText(TestProbe.profilesFile()))[0]
        verify(imported.id !== exported.id)
        for (const key of Object.keys(exported).filter(key => key !== "id" && key !== "createdAt"))
            compare(imported[key], exported[key], key)
    }

    // Rows change in place: renaming one profile leaves the other's card, hover and focus alone.
    function test_cardsSurviveARenameOfAnother() {
        const view = createView()
        const work = child(view, "profileCard_Work")
        const home = child(view, "profileCard_Home")
        mouseMove(work, work.width / 2, work.height / 2)
        tryVerify(() => work.isHovered)
        const menuButton = child(work, "profileMenu")
        menuButton.forceActiveFocus(Qt.TabFocusReason)

        DockViewModel.renameProfile(homeId, "House")
        idle()
        verify(child(view, "profileCard_Work") === work)
        verify(child(view, "profileCard_House") === home)
        compare(child(home, "titleText").text, "House")
        verify(work.isHovered && menuButton.activeFocus)
    }
}
