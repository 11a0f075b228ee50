// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "DockViewModelSingleton.h"
#include "TestHome.h"
#include "Translation.h"
#include "state/DockViewModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtQml/QQmlExtensionPlugin>

#include <memory>

Q_IMPORT_QML_PLUGIN(BerthwisePlugin)

using namespace Qt::StringLiterals;

namespace {

// Every way the catalogue at `path` can let its reader down: an entry left unfinished, one kept for
// a text that is gone, or a translation that drops a placeholder of its source.
QStringList catalogueFaults(const QString& path) {
    static const QRegularExpression placeholder(u"%(?:[1-9][0-9]?|n)"_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {u"cannot open "_s + path};
    QStringList faults;
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"TS" && xml.attributes().value(u"language"_s) != u"de_DE")
            faults.append(u"the catalogue is not marked de_DE"_s);
        if (xml.name() == u"message")
            numerus = xml.attributes().value(u"numerus"_s) == u"yes";
        if (xml.name() == u"source")
            source = xml.readElementText();
        if (xml.name() != u"translation")
            continue;
        if (const QString type = xml.attributes().value(u"type"_s).toString(); !type.isEmpty())
            faults.append(type + u": "_s + source);
        QStringList forms;
        if (numerus) {
            while (xml.readNextStartElement())
                forms.append(xml.readElementText());
        } else {
            forms.append(xml.readElementText());
        }
        for (const QString& form : std::as_const(forms)) {
            if (form.trimmed().isEmpty())
                faults.append(u"empty: "_s + source);
            for (const QRegularExpressionMatch& match : placeholder.globalMatch(source)) {
                if (!form.contains(match.captured()))
                    faults.append(u"%1 lost: %2"_s.arg(match.captured(), form));
            }
        }
    }
    if (xml.hasError())
        faults.append(xml.errorString());
    return faults;
}

} // namespace

// The German catalogue, and that the app picks it and shows it; English is the source and needs none.
class TestTranslation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The committed catalogue, or the one named by BERTHWISE_CATALOGUE (lupdate's rerun over today's
    // sources, which leaves any text added since unfinished).
    void catalogueIsComplete() {
        const QString path = qEnvironmentVariableIsSet("BERTHWISE_CATALOGUE")
                                 ? qEnvironmentVariable("BERTHWISE_CATALOGUE")
                                 : QStringLiteral(BERTHWISE_CATALOGUE);
        const QStringList faults = catalogueFaults(path);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void choosesLanguage_data() {
        columns<QStringList, bool>("uiLanguages", "loads");
        QTest::newRow("German") << QStringList{u"de-DE"_s} << true;
        QTest::newRow("Austrian German") << QStringList{u"de-AT"_s} << true;
        QTest::newRow("German after one without a catalogue") << QStringList{u"fr-FR"_s, u"de"_s} << true;
        QTest::newRow("English") << QStringList{u"en-US"_s} << false;
        QTest::newRow("English before German") << QStringList{u"en-GB"_s, u"de-DE"_s} << false;
        QTest::newRow("C locale") << QStringList{u"C"_s} << false;
        QTest::newRow("none") << QStringList{} << false;
    }

    void choosesLanguage() {
        QFETCH(QStringList, uiLanguages);
        QTranslator translator;
        QTEST(Translation::load(translator, uiLanguages), "loads");
    }

    // A screen, a status message and a count, all under German.
    void germanTexts() {
        QTranslator translator;
        QVERIFY(Translation::load(translator, {u"de-DE"_s}));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        TestHome home;
        DockViewModel viewModel(home.recordingPlatform(), &QDateTime::currentDateTime, nullptr,
                                DockViewModel::DockReading::whenAsked);
        QCOMPARE(viewModel.statusMessage(), u"Bereit"_s);
        viewModel.addSpacer(u"small"_s, u"others"_s);
        QTRY_COMPARE(viewModel.statusMessage(), u"Kleiner Abstandhalter zur rechten Seite hinzugefügt."_s);

        DockViewModelSingleton::setInstance(&viewModel);
        QQmlEngine engine;
        engine.addImportPath(u"qrc:/qt/qml"_s);
        QQmlComponent screen(&engine, QUrl(u"qrc:/qt/qml/Berthwise/BehaviorView.qml"_s));
        const std::unique_ptr<QObject> behavior(screen.create());
        QVERIFY2(behavior, qPrintable(screen.errorString()));
        QCOMPARE(behavior->property("title").toString(), u"Verhalten"_s);

        // English keeps one entry for each of its two forms; German gives both entries its own.
        for (const auto& [count, expected] : {std::pair{1, u"1 Backup"_s}, std::pair{3, u"3 Backups"_s}}) {
            QCOMPARE(QCoreApplication::translate("BackupRestoreView", "%n backup", nullptr, count), expected);
            QCOMPARE(QCoreApplication::translate("BackupRestoreView", "%n backups", nullptr, count),
                     expected);
        }
    }
};

QTEST_MAIN(TestTranslation)

#include "tst_translation.moc"
