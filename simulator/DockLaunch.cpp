// SPDX-License-Identifier: MIT
#include "DockLaunch.h"

namespace {

constexpr char dockDomain[] = "com.apple.dock";

} // namespace

void DockLaunch::ensureRunning(const DomainStore& store) {
    if (store.files().exists(runningFile))
        return;
    // Checked again under the lock, so that of many tools starting at once only one starts the Dock.
    std::string ignored;
    const std::optional<FolderLock> held = store.lock(ignored);
    if (held && !store.files().exists(runningFile))
        (void)launch(store, *held, ignored);
}

bool DockLaunch::launch(const DomainStore& store, const FolderLock& held, std::string& error) {
    DomainStore::Domain preferences = store.load(dockDomain, held);
    if (preferences.state == DomainStore::State::Missing) {
        preferences.dictionary = firstLayout();
        if (!store.save(dockDomain, preferences.dictionary, held, error))
            return false;
    }
    // A Dock that cannot read its preferences runs on its own defaults and leaves the file alone.
    const std::string shown =
        preferences.dictionary.isNull() ? std::string() : preferences.dictionary.toBinary();
    return store.files().rewrite(runningFile, shown, error);
}

PlistNode DockLaunch::firstLayout() {
    PlistNode root(plist_new_dict());
    plist_dict_set_item(root.get(), "tilesize", plist_new_uint(48));
    plist_dict_set_item(root.get(), "orientation", plist_new_string("bottom"));
    plist_dict_set_item(root.get(), "mineffect", plist_new_string("genie"));
    plist_dict_set_item(root.get(), "show-recents", plist_new_bool(1));
    plist_dict_set_item(root.get(), "persistent-apps", plist_new_array());
    plist_dict_set_item(root.get(), "persistent-others", plist_new_array());
    return root;
}
