// SPDX-License-Identifier: MIT
// The readers of the Dock's preferences, fed arbitrary bytes: as the text `defaults read` printed
// for one key, and as an exported preferences file. Beyond not crashing, a value the text reader
// accepts must give the same settings through the property-list reader, as the Dock stores it.
#include "../FuzzRequire.h"
#include "dock/DockPreferenceValues.h"
#include "dock/DockService.h"
#include "model/DockSetting.h"

#include <plist/plist.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace {

// The binary property list that `defaults export` would write for a domain holding these values.
QByteArray exportedWith(std::initializer_list<std::pair<const char*, plist_t>> values) {
    plist_t dictionary = plist_new_dict();
    for (const auto& [key, value] : values)
        plist_dict_set_item(dictionary, key, value);
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
    QHash<QString, QString> texts;
    for (const QString& key : DockSetting::allKeys())
        texts.insert(key, text);
    (void)DockPreferenceValues::fromTexts(texts);

    const auto printed = [&text](std::initializer_list<QString> keys) {
        QHash<QString, QString> printedTexts;
        for (const QString& key : keys)
            printedTexts.insert(key, text);
        return DockPreferenceValues::fromTexts(printedTexts);
    };
    if (const auto integer = DockPreferenceValues::integerFromText(text)) {
        require(DockPreferenceValues::integerFromText(QString::number(*integer)) == integer,
                "an integer does not read back from its own decimal text");
        require(DockPreferenceValues::fromPropertyList(exportedWith(
                    {{"tilesize", plist_new_uint(uint64_t(*integer))}})) == printed({"tilesize"}),
                "an integer reads differently from an exported file");
    }
    if (const auto real = DockPreferenceValues::realFromText(text); real && !std::isnan(*real)) {
        require(DockPreferenceValues::fromPropertyList(
                    exportedWith({{"autohide-delay", plist_new_real(*real)},
                                  {"autohide-time-modifier", plist_new_real(*real)}})) ==
                    printed({"autohide-delay", "autohide-time-modifier"}),
                "a real timing reads differently from an exported file");
    }
    if (const auto boolean = DockPreferenceValues::booleanFromText(text)) {
        require(DockPreferenceValues::fromPropertyList(
                    exportedWith({{"autohide", plist_new_bool(*boolean)}})) == printed({"autohide"}),
                "a boolean reads differently from an exported file");
    }
    return 0;
}
