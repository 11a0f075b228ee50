// SPDX-License-Identifier: MIT
#include "DockPreferenceValues.h"

#include "PlistNode.h"
#include "model/DockSetting.h"

#include <algorithm>
#include <cmath>

namespace {

// 2^63 is exact as a double, so the comparison itself cannot round a too-large value into range.
std::optional<qint64> truncatedToInteger(double value) {
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= limit || value < -limit)
        return std::nullopt;
    return static_cast<qint64>(std::trunc(value));
}

// One loop over the settings says which key holds which kind of value; each source only knows how
// to produce the kinds.
template <typename Source> CapturedDockConfiguration configurationFrom(const Source& source) {
    CapturedDockConfiguration configuration;
    for (const DockSetting& setting : DockSetting::all()) {
        const QStringView key = setting.keys[0];
        switch (setting.kind) {
        case DockSetting::integer:
            if (const std::optional<qint64> value = source.integer(key))
                setting.setIn(configuration, *value);
            break;
        case DockSetting::boolean:
            if (const std::optional<bool> value = source.boolean(key))
                setting.setIn(configuration, *value);
            break;
        case DockSetting::text:
            // A text that is no raw value keeps the default, as a missing one does.
            if (const std::optional<QString> value = source.text(key))
                setting.setIn(configuration, *value);
            break;
        case DockSetting::fastAutoHide: {
            // Only the pair the switch writes counts as on; any other timing is the Dock's own.
            const std::optional<double> delay = source.real(key);
            const std::optional<double> modifier = source.real(setting.keys[1]);
            setting.setIn(configuration, delay && *delay == 0 && modifier && *modifier < 0.5);
            break;
        }
        }
    }
    return configuration;
}

class TextSource {
public:
    explicit TextSource(const QHash<QString, QString>& texts)
        : m_texts(texts) {}

    [[nodiscard]] std::optional<qint64> integer(QStringView key) const {
        const QString* found = lookUp(key);
        return found ? DockPreferenceValues::integerFromText(*found) : std::nullopt;
    }
    [[nodiscard]] std::optional<bool> boolean(QStringView key) const {
        const QString* found = lookUp(key);
        return found ? DockPreferenceValues::booleanFromText(*found) : std::nullopt;
    }
    [[nodiscard]] std::optional<double> real(QStringView key) const {
        const QString* found = lookUp(key);
        return found ? DockPreferenceValues::realFromText(*found) : std::nullopt;
    }
    [[nodiscard]] std::optional<QString> text(QStringView key) const {
        const QString* found = lookUp(key);
        return found ? std::optional<QString>(*found) : std::nullopt;
    }

private:
    [[nodiscard]] const QString* lookUp(QStringView key) const {
        const auto found = m_texts.constFind(key.toString());
        return found == m_texts.cend() ? nullptr : &found.value();
    }

    const QHash<QString, QString>& m_texts;
};

// Numbers and booleans are interchangeable here, as they are in the preferences system: a key
// written with -bool may be read as a number and the other way round.
class PropertyListSource {
public:
    explicit PropertyListSource(plist_t dictionary)
        : m_dictionary(dictionary) {}

    [[nodiscard]] std::optional<qint64> integer(QStringView key) const {
        plist_t node = lookUp(key);
        // Whole numbers are taken exactly; going through a double would round the large ones.
        if (node && plist_get_node_type(node) == PLIST_UINT) {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            // Negative integers are stored in two's complement.
            return static_cast<qint64>(value);
        }
        const std::optional<double> number = real(key);
        return number ? truncatedToInteger(*number) : std::nullopt;
    }

    [[nodiscard]] std::optional<bool> boolean(QStringView key) const {
        plist_t node = lookUp(key);
        if (node && plist_get_node_type(node) == PLIST_BOOLEAN)
            return booleanValue(node);
        const std::optional<double> number = real(key);
        return number ? std::optional<bool>(*number != 0) : std::nullopt;
    }

    [[nodiscard]] std::optional<double> real(QStringView key) const {
        plist_t node = lookUp(key);
        switch (node ? plist_get_node_type(node) : PLIST_NONE) {
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return static_cast<double>(static_cast<qint64>(value));
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            return value;
        }
        case PLIST_BOOLEAN:
            return booleanValue(node) ? 1.0 : 0.0;
        default:
            return std::nullopt;
        }
    }

    [[nodiscard]] std::optional<QString> text(QStringView key) const {
        plist_t node = lookUp(key);
        if (!node || plist_get_node_type(node) != PLIST_STRING)
            return std::nullopt;
        uint64_t length = 0;
        const char* bytes = plist_get_string_ptr(node, &length);
        return QString::fromUtf8(bytes, qsizetype(length));
    }

private:
    [[nodiscard]] plist_t lookUp(QStringView key) const {
        return plist_dict_get_item(m_dictionary, key.toUtf8().constData());
    }

    [[nodiscard]] static bool booleanValue(plist_t node) {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0;
    }

    plist_t m_dictionary;
};

} // namespace

std::optional<qint64> DockPreferenceValues::integerFromText(QStringView text) {
    const QStringView digits = text.startsWith(u'+') || text.startsWith(u'-') ? text.mid(1) : text;
    const bool plainInteger = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (plainInteger) {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        // Too many digits for 64 bits: no number a reader could use.
        return ok ? std::optional<qint64>(value) : std::nullopt;
    }
    // Sizes the Dock computes itself are stored as reals, such as 36.5714282989502.
    const std::optional<double> real = realFromText(text);
    return real ? truncatedToInteger(*real) : std::nullopt;
}

std::optional<bool> DockPreferenceValues::booleanFromText(QStringView text) {
    const QString lowered = text.toString().toLower();
    if (lowered == u"1" || lowered == u"true" || lowered == u"yes")
        return true;
    if (lowered == u"0" || lowered == u"false" || lowered == u"no")
        return false;
    return std::nullopt;
}

std::optional<double> DockPreferenceValues::realFromText(QStringView text) {
    // QStringView::toDouble tolerates surrounding spaces; the whole text must be the number.
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

CapturedDockConfiguration DockPreferenceValues::fromTexts(const QHash<QString, QString>& texts) {
    return configurationFrom(TextSource(texts));
}

CapturedDockConfiguration DockPreferenceValues::fromPropertyList(const QByteArray& data) {
    const PlistNode root = PlistNode::fromBytes({data.constData(), size_t(data.size())});
    if (root.type() != PLIST_DICT)
        return {};
    return configurationFrom(PropertyListSource(root.get()));
}
