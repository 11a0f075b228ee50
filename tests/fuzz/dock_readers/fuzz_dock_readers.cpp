// SPDX-License-Identifier: MIT
// The readers of the Dock's preferences, fed arbitrary bytes: as the text `defaults read` printed
// for one key, and as an exported preferences file. Beyond not crashing, a value the text reader
// accepts must read back the same through the property-list reader, as the Dock stores it.
#include "../FuzzRequire.h"
#include "dock/DockPreferenceValues.h"
#include "dock/DockService.h"

#include <plist/plist.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// The binary property list that `defaults export` would write for a domain holding one value.
QByteArray exportedWith(DockPreferenceKey key, plist_t value) {
    plist_t dictionary = plist_new_dict();
    plist_dict_set_item(dictionary, rawValue(key).toUtf8().constData(), value);
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(dictionary, &bytes, &length);
    QByteArray exported(bytes, qsizetype(length));
    plist_to_bin_free(bytes);
    plist_free(dictionary);
    return exported;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)DockService::parseConfiguration(bytes);

    // The Dock service trims what `defaults read` printed before handing it to the readers.
    const QString text = QString::fromUtf8(bytes).trimmed();
    std::map<DockPreferenceKey, QString> texts;
    for (DockPreferenceKey key : allDockPreferenceKeys)
        texts.emplace(key, text);
    (void)DockPreferenceValues::fromTexts(texts).configuration();

    if (const auto integer = DockPreferenceValues::integerFromText(text)) {
        require(DockPreferenceValues::integerFromText(QString::number(*integer)) == integer,
                "an integer does not read back from its own decimal text");
        const auto stored = DockPreferenceValues::fromPropertyList(
            exportedWith(DockPreferenceKey::tileSize, plist_new_uint(uint64_t(*integer))));
        require(stored.tileSize == integer, "an integer reads differently from an exported file");
    }
    if (const auto real = DockPreferenceValues::realFromText(text); real && !std::isnan(*real)) {
        const auto stored = DockPreferenceValues::fromPropertyList(
            exportedWith(DockPreferenceKey::autoHideDelay, plist_new_real(*real)));
        require(stored.autoHideDelay == real, "a real number reads differently from an exported file");
    }
    if (const auto boolean = DockPreferenceValues::booleanFromText(text)) {
        const auto stored = DockPreferenceValues::fromPropertyList(
            exportedWith(DockPreferenceKey::autoHide, plist_new_bool(*boolean)));
        require(stored.autoHide == boolean, "a boolean reads differently from an exported file");
    }
    return 0;
}
