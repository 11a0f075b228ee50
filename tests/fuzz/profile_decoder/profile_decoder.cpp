// SPDX-License-Identifier: MIT
// Whatever the profile readers accept, the writers must write back so that the readers accept it
// again as equal records, and write it the same way the second time: otherwise a save would lose
// profiles.
#include "common/Error.h"
#include "stores/JsonListStore.h"
#include "stores/ProfileCoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Only the first decode may refuse its input; an Error from anything after it escapes and ends the
// run, as an accepted file that cannot be written back would lose data.
template <typename Record, typename Decode, typename Encode>
void checkRoundTrip(const QByteArray& json, Decode decode, Encode encode) {
    Record records;
    try {
        records = decode(json);
    } catch (const Error&) {
        return;
    }
    const QByteArray written = encode(records);
    const Record reread = decode(written);
    if (!(reread == records) || encode(reread) != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    const JsonListStore<ProfileCoder> store(QString(), QStringLiteral("profiles"), QJsonDocument::Indented);
    checkRoundTrip<QList<DockProfile>>(
        json, [&](const QByteArray& bytes) { return store.decode(bytes); },
        [&](const QList<DockProfile>& profiles) { return store.encode(profiles); });
    checkRoundTrip<DockProfile>(json, &ProfileCoder::decodeOne, &ProfileCoder::encodeOne);
    return 0;
}
