// SPDX-License-Identifier: MIT
#include "DockViewModelSingleton.h"
#include "platform/Platform.h"
#include "state/DockViewModel.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Berthwise"_s);
    QApplication::setApplicationVersion(QStringLiteral(BERTHWISE_VERSION));

    DockViewModel viewModel(Platform::current());
    DockViewModelSingleton::setInstance(&viewModel);

    QQmlApplicationEngine engine;
    engine.addImportPath(u"qrc:/qt/qml"_s);
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.load(QUrl(u"qrc:/qt/qml/Berthwise/Main.qml"_s));
    return QApplication::exec();
}
