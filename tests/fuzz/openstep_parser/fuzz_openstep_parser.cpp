// SPDX-License-Identifier: MIT
// The old-style property-list parser that `defaults write` runs on its arguments, fed arbitrary text.
// Beyond not crashing: whatever it accepts and a domain may store prints as text that parses back to
// the same value, so `defaults read` never shows a collection that cannot be written again.
#include "../FuzzRequire.h"
#include "DomainStore.h"
#include "OpenStepParser.h"
#include "ValuePrinter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    OpenStepParser parser(text);
    const PlistNode value = parser.parse();
    require(value.isNull() != parser.errorMessage().empty(), "a result and an error message disagree");
    if (value.isNull())
        return 0;
    const std::string printed = ValuePrinter::print(value.get());
    const plist_type type = value.type();
    // Data prints in a form that only the system's tool reads back.
    if ((type != PLIST_DICT && type != PLIST_ARRAY) || !DomainStore::refusalReason(value.get()).empty() ||
        value.toXml().find("<data>") != std::string::npos)
        return 0;
    OpenStepParser again(printed);
    const PlistNode reparsed = again.parse();
    require(!reparsed.isNull(), "printed text does not parse");
    require(ValuePrinter::print(reparsed.get()) == printed, "printed text parses to another value");
    return 0;
}
