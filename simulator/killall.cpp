// SPDX-License-Identifier: MIT
#include "SimulatorFolder.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

// The Dock is the only process the simulation knows; "killing" it counts one restart, which is what
// the app's scripts rely on.
int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-' || argv[1][0] == '\0') {
        std::fputs("usage: killall PROCESS-NAME\n", stderr);
        return 64;
    }
    if (std::strcmp(argv[1], "Dock") != 0) {
        std::fputs("No matching processes belonging to you were found\n", stderr);
        return 1;
    }

    const SimulatorFolder folder;
    const QString counterFile = u"Dock.restarts"_s;
    QString error;
    const auto lock = folder.lock(counterFile, error);
    if (lock) {
        // An unreadable count starts over rather than blocking restarts.
        const qlonglong restarts = folder.read(counterFile).value_or(QByteArray()).trimmed().toLongLong();
        if (folder.write(counterFile, QByteArray::number(restarts + 1), error))
            return 0;
    }
    std::fputs(error.toUtf8().append('\n').constData(), stderr);
    return 1;
}
