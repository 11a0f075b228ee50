// SPDX-License-Identifier: MIT
#include "DisplayText.h"

#include "model/EnumTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr EnumTable<DockPosition, const char*, 3> edgeNames{
    {DockPosition::left, QT_TRANSLATE_NOOP("DisplayText", "Left")},
    {DockPosition::bottom, QT_TRANSLATE_NOOP("DisplayText", "Bottom")},
    {DockPosition::right, QT_TRANSLATE_NOOP("DisplayText", "Right")}};

} // namespace

QStringList DisplayText::badges(const DockConfiguration& configuration) {
    QStringList texts{
        QCoreApplication::translate("DisplayText", "Size %1px").arg(configuration.dockSize),
        QCoreApplication::translate("DisplayText", valueOf(edgeNames, configuration.orientation))};
    if (configuration.autoHide)
        texts.append(QCoreApplication::translate("DisplayText", "Auto-hide"));
    return texts;
}

QString DisplayText::mediumDate(const QDate& date, const QLocale& locale) {
    // Qt knows only a long and a short style. The long one without its weekday and with abbreviated
    // month names is the medium one in the locales that have one ("Mar 14, 2025", "14 mars 2025").
    static const QRegularExpression weekday(u"\\s*,?\\s*dddd[,.]?\\s*"_s);
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.replace(weekday, u" "_s);
    format.replace(u"MMMM"_s, u"MMM"_s);
    return locale.toString(date, format.trimmed());
}

QString DisplayText::backupName(const QString& fileName, const QLocale& locale) {
    const QString withoutExtension = QFileInfo(fileName).completeBaseName();
    QString stamp = withoutExtension;
    stamp.remove(u"com.apple.dock.backup."_s);
    const QStringList pieces = stamp.split(u'-', Qt::SkipEmptyParts);
    if (pieces.size() != 2)
        return withoutExtension;
    const QDate date = QDate::fromString(pieces.first(), u"yyyyMMdd"_s);
    if (!date.isValid())
        return withoutExtension;
    // The time is shown as the name has it, without being checked.
    const QString& time = pieces.last();
    return QCoreApplication::translate("DisplayText", "%1 at %2")
        .arg(mediumDate(date, locale), time.left(2) + u':' + time.mid(2, 2) + u':' + time.mid(4));
}

QString DisplayText::accent(const QString& icon) {
    if (icon == u"terminal"_s)
        return u"green"_s;
    if (icon == u"display"_s)
        return u"purple"_s;
    if (icon == u"bolt.fill"_s)
        return u"orange"_s;
    return u"blue"_s;
}

QString DisplayText::presetName(const DockPreset& preset) {
    return QCoreApplication::translate("DockPreset", preset.name.toUtf8().constData());
}

QString DisplayText::presetDescription(const DockPreset& preset) {
    return QCoreApplication::translate("DockPreset", preset.description.toUtf8().constData());
}
