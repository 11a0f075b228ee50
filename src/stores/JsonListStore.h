// SPDX-License-Identifier: MIT
#pragma once

#include "StoreFile.h"
#include "StrictJson.h"
#include "common/Error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QList>

// A store file holding one JSON array of records, written whole and atomically; `Coder` turns one
// record into a JSON object and back. A missing or undecodable file loads as no records, and is kept
// aside before the next save replaces it; one bad record fails the whole file.
template <typename Coder> class JsonListStore {
public:
    using Record = decltype(Coder::decode(QJsonObject()));

    // `listName` names the records in messages: "the profiles file", "Couldn't save the profiles".
    JsonListStore(QString path, QString listName, QJsonDocument::JsonFormat layout)
        : m_path(std::move(path))
        , m_listName(std::move(listName))
        , m_layout(layout) {}

    [[nodiscard]] const QString& path() const noexcept { return m_path; }

    [[nodiscard]] QList<Record> load() const {
        if (!QFileInfo::exists(m_path))
            return {};
        try {
            return decode(StoreFile::read(m_path, fileDescription()));
        } catch (const Error&) {
            return {};
        }
    }

    void save(const QList<Record>& records) const {
        StoreFile::makeFolder(QFileInfo(m_path).absolutePath());
        QByteArray json;
        try {
            json = encode(records);
        } catch (const Error& error) {
            //: %1 names the records: "profiles" or "schedules".
            throw Error(QCoreApplication::translate("JsonListStore", "Couldn't save the %1: %2.")
                            .arg(m_listName, error.description()));
        }
        StoreFile::keepAsideIfUndecodable(m_path, fileDescription(),
                                          [this](const QByteArray& data) { return decodes(data); });
        StoreFile::write(m_path, json, fileDescription());
    }

    // Throws an Error when a record holds something the file cannot.
    [[nodiscard]] QByteArray encode(const QList<Record>& records) const {
        QJsonArray array;
        for (const Record& record : records)
            array.append(Coder::encode(record));
        return QJsonDocument(array).toJson(m_layout);
    }

    // Throws an Error saying what is wrong.
    [[nodiscard]] QList<Record> decode(const QByteArray& json) const {
        const QJsonDocument document = StrictJson::parse(json);
        if (!document.isArray())
            //: %1 names the records: "profiles" or "schedules".
            throw Error(QCoreApplication::translate("JsonListStore", "the file does not hold a list of %1")
                            .arg(m_listName));
        QList<Record> records;
        for (const QJsonValue& value : document.array()) {
            if (!value.isObject())
                throw Error(QCoreApplication::translate("JsonListStore",
                                                        "the list holds an entry that is not a JSON object"));
            records.append(Coder::decode(value.toObject()));
        }
        return records;
    }

    [[nodiscard]] bool decodes(const QByteArray& json) const {
        try {
            (void)decode(json);
            return true;
        } catch (const Error&) {
            return false;
        }
    }

private:
    [[nodiscard]] QString fileDescription() const {
        //: %1 names the records: "profiles" or "schedules". Fills the gap of "Couldn't read %1 '%2': %3".
        return QCoreApplication::translate("JsonListStore", "the %1 file").arg(m_listName);
    }

    QString m_path;
    QString m_listName;
    QJsonDocument::JsonFormat m_layout;
};
