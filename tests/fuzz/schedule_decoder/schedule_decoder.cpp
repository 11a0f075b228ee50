// SPDX-License-Identifier: MIT
// Whatever the schedules reader accepts, the writer must write back so that the reader accepts it
// again as equal records, dates to the last digit, and write it the same way the second time.
#include "common/Error.h"
#include "stores/JsonListStore.h"
#include "stores/ScheduleCoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    const JsonListStore<ScheduleCoder> store(QString(), QStringLiteral("schedules"), QJsonDocument::Compact);
    QList<DockSchedule> schedules;
    try {
        schedules = store.decode(json);
    } catch (const Error&) {
        return 0;
    }
    // From here on an Error escapes and ends the run: an accepted file must be written back.
    const QByteArray written = store.encode(schedules);
    const QList<DockSchedule> reread = store.decode(written);
    if (reread != schedules || store.encode(reread) != written)
        std::abort();
    return 0;
}
