// SPDX-License-Identifier: MIT
// A stand-in for a launch of the app, for racing many launches at once: it waits for a line on
// standard input, claims the instance name given as its argument, and then either says
// "handed over" and ends, or says "claimed" and stays, saying "activated" for each later launch.
#include "SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    // Blocking here lines the launches up, so that they claim at the same moment.
    std::string go;
    std::getline(std::cin, go);

    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim()) {
        std::puts("handed over");
        return 0;
    }
    std::puts("claimed");
    std::fflush(stdout);
    QObject::connect(&instance, &SingleInstance::activationRequested, [] {
        std::puts("activated");
        std::fflush(stdout);
    });
    return QCoreApplication::exec();
}
