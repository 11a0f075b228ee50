// SPDX-License-Identifier: MIT
#include "MinimizeEffect.h"

using namespace Qt::StringLiterals;

QString rawValue(MinimizeEffect effect) {
    switch (effect) {
    case MinimizeEffect::genie:
        return u"genie"_s;
    case MinimizeEffect::scale:
        return u"scale"_s;
    case MinimizeEffect::suck:
        return u"suck"_s;
    }
    Q_UNREACHABLE();
    return u"genie"_s;
}

std::optional<MinimizeEffect> minimizeEffectFromRawValue(QStringView raw) {
    for (MinimizeEffect effect : allMinimizeEffects) {
        if (rawValue(effect) == raw)
            return effect;
    }
    return std::nullopt;
}
