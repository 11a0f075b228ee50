// SPDX-License-Identifier: MIT
#include "DockLaunch.h"

namespace {

constexpr char dockDomain[] = "com.apple.dock";

} // namespace

bool DockLaunch::launch(const DomainStore& store, std::string& error) {
    if (store.exists(dockDomain))
        return true;
    // Checked again under the domain's lock, so that a `defaults write` landing in between is kept.
    const std::optional<FolderLock> lock = store.lock(error);
    if (!lock)
        return false;
    return store.exists(dockDomain) || store.save(dockDomain, firstLayout(), error);
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
