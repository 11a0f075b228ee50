// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Berthwise"_s);
    QApplication::setApplicationVersion(QStringLiteral(BERTHWISE_VERSION));

    QQmlApplicationEngine engine;
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.load(QUrl(u"qrc:/qt/qml/Berthwise/Main.qml"_s));
    return QApplication::exec();
}
