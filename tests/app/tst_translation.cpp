// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "Translation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

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

// The German catalogue, and that the app picks it; English is the source and needs none.
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
        QTest::newRow("German after one without a catalogue") << QStringList{u"fr-FR"_s, u"de"_s} << true;
        QTest::newRow("English before German") << QStringList{u"en-GB"_s, u"de-DE"_s} << false;
    }

    void choosesLanguage() {
        QFETCH(QStringList, uiLanguages);
        QTranslator translator;
        QTEST(Translation::load(translator, uiLanguages), "loads");
    }
};

QTEST_MAIN(TestTranslation)

#include "tst_translation.moc"
