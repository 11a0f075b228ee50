// SPDX-License-Identifier: MIT
// The old-style property-list parser that `defaults write` runs on its arguments, fed arbitrary text.
// Beyond not crashing: whatever it accepts and a domain may store prints as text that parses back to
// the same value, so `defaults read` never shows a collection that cannot be written again.
#include "DomainStore.h"
#include "OpenStepParser.h"
#include "ValuePrinter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "openstep_parser: %s\n", what);
        std::abort();
    }
}

// Data prints in a form that only the system's tool reads back.
bool holdsData(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_DATA:
        return true;
    case PLIST_ARRAY:
        for (uint32_t i = 0; i < plist_array_get_size(node); ++i) {
            if (holdsData(plist_array_get_item(node, i)))
                return true;
        }
        return false;
    case PLIST_DICT: {
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(node, &iterator);
        bool found = false;
        for (plist_t item = nullptr;;) {
            plist_dict_next_item(node, iterator, nullptr, &item);
            if (!item || (found = holdsData(item)))
                break;
        }
        std::free(iterator);
        return found;
    }
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    OpenStepParser parser(text);
    const PlistNode value = parser.parse();
    require(value.isNull() != parser.errorMessage().empty(), "a result and an error message disagree");
    if (value.isNull())
        return 0;
    const std::string printed = ValuePrinter::print(value.get());
    const plist_type type = value.type();
    if ((type != PLIST_DICT && type != PLIST_ARRAY) || !DomainStore::refusalReason(value.get()).empty() ||
        holdsData(value.get()))
        return 0;
    OpenStepParser again(printed);
    const PlistNode reparsed = again.parse();
    require(!reparsed.isNull(), "printed text does not parse");
    require(ValuePrinter::print(reparsed.get()) == printed, "printed text parses to another value");
    return 0;
}
