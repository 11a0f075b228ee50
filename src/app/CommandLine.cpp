// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(u"Customize your macOS Dock visually, safely, and instantly."_s);
    parser.addHelpOption();
    parser.addVersionOption();
}

} // namespace

bool CommandLine::asksForInformation(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments);
    return parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s) || parser.isSet(u"version"_s);
}

bool CommandLine::process(const QCoreApplication& app) {
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    if (parser.positionalArguments().isEmpty())
        return true;
    const QString message = u"Unexpected argument '%1'.\n\n"_s.arg(parser.positionalArguments().first());
    std::fputs(qPrintable(message + parser.helpText()), stderr);
    return false;
}
