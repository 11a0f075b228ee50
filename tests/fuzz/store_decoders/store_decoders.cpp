// SPDX-License-Identifier: MIT
// Whatever the profile and schedule readers accept, the writers must write back so that the readers
// accept it again as equal records, dates to the last digit, and write it the same way the second
// time: otherwise a save would lose profiles or schedules. Each input goes to every reader.
#include "common/Error.h"
#include "stores/JsonListStore.h"
#include "stores/ProfileCoder.h"
#include "stores/ScheduleCoder.h"

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
    const JsonListStore<ProfileCoder> profiles(QString(), QStringLiteral("profiles"),
                                               QJsonDocument::Indented);
    checkRoundTrip<QList<DockProfile>>(
        json, [&](const QByteArray& bytes) { return profiles.decode(bytes); },
        [&](const QList<DockProfile>& list) { return profiles.encode(list); });
    checkRoundTrip<DockProfile>(json, &ProfileCoder::decodeOne, &ProfileCoder::encodeOne);
    const JsonListStore<ScheduleCoder> schedules(QString(), QStringLiteral("schedules"),
                                                 QJsonDocument::Compact);
    checkRoundTrip<QList<DockSchedule>>(
        json, [&](const QByteArray& bytes) { return schedules.decode(bytes); },
        [&](const QList<DockSchedule>& list) { return schedules.encode(list); });
    return 0;
}
