// SPDX-License-Identifier: MIT
#include "DefaultsCommand.h"

#include <QByteArrayList>

int main(int argc, char** argv) {
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    return DefaultsCommand(DomainStore(SimulatorFolder())).run(arguments);
}
