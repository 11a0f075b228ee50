// SPDX-License-Identifier: MIT
#include "PlistReader.h"

#include <cstdlib>
#include <string_view>

std::string PlistReader::string(plist_t node) {
    uint64_t length = 0;
    const char* bytes = plist_get_string_ptr(node, &length);
    return bytes ? std::string(bytes, length) : std::string();
}

std::string PlistReader::key(plist_t node) {
    // libplist offers no length-aware accessor for keys, but its XML writer copies a key whole and
    // escapes only &, < and >, so the key is recovered from its XML form.
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    const std::string_view text(xml ? xml : "", length);
    constexpr std::string_view open = "<key>";
    const size_t start = text.find(open);
    const size_t end = text.rfind("</key>");
    std::string result;
    if (start != std::string_view::npos && end != std::string_view::npos && end > start) {
        const std::string_view escaped = text.substr(start + open.size(), end - start - open.size());
        for (size_t i = 0; i < escaped.size(); ++i) {
            const std::string_view rest = escaped.substr(i);
            if (rest.starts_with("&amp;")) {
                result += '&';
                i += 4;
            } else if (rest.starts_with("&lt;")) {
                result += '<';
                i += 3;
            } else if (rest.starts_with("&gt;")) {
                result += '>';
                i += 3;
            } else {
                result += escaped[i];
            }
        }
    }
    plist_to_xml_free(xml);
    return result;
}

std::vector<plist_t> PlistReader::items(plist_t array) {
    std::vector<plist_t> result;
    result.reserve(plist_array_get_size(array));
    plist_array_iter iterator = nullptr;
    plist_array_new_iter(array, &iterator);
    for (;;) {
        plist_t item = nullptr;
        plist_array_next_item(array, iterator, &item);
        if (!item)
            break;
        result.push_back(item);
    }
    std::free(iterator);
    return result;
}

std::vector<std::pair<std::string, plist_t>> PlistReader::entries(plist_t dictionary) {
    std::vector<std::pair<std::string, plist_t>> result;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(dictionary, &iterator);
    for (;;) {
        plist_t value = nullptr;
        // Asking for the key here would go through the accessor that aborts on a NUL.
        plist_dict_next_item(dictionary, iterator, nullptr, &value);
        if (!value)
            break;
        result.emplace_back(key(plist_dict_item_get_key(value)), value);
    }
    std::free(iterator);
    return result;
}
