// SPDX-License-Identifier: MIT
#include "SimulatedDock.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};

// What a Dock that has never been customised keeps: its size, edge and effect, recents shown,
// and two empty tile lists for spacers and stacks to be added to.
QByteArray initialPreferences() {
    std::unique_ptr<void, PlistFree> root(plist_new_dict());
    plist_dict_set_item(root.get(), "tilesize", plist_new_uint(48));
    plist_dict_set_item(root.get(), "orientation", plist_new_string("bottom"));
    plist_dict_set_item(root.get(), "mineffect", plist_new_string("genie"));
    plist_dict_set_item(root.get(), "show-recents", plist_new_bool(1));
    plist_dict_set_item(root.get(), "persistent-apps", plist_new_array());
    plist_dict_set_item(root.get(), "persistent-others", plist_new_array());
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bytes, &length);
    QByteArray data(bytes, static_cast<qsizetype>(length));
    std::free(bytes);
    return data;
}

} // namespace

bool SimulatedDock::launch(const Platform& platform) {
    if (platform.simulatedDockFolder.isEmpty())
        return true;
    if (QFileInfo::exists(platform.dockPreferencesFile))
        return true;
    QDir().mkpath(QFileInfo(platform.dockPreferencesFile).absolutePath());
    QSaveFile file(platform.dockPreferencesFile);
    const QByteArray data = initialPreferences();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size())
        return false;
    return file.commit();
}
