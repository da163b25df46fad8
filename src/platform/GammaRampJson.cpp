#include "platform/GammaRampJson.h"

#include <QJsonArray>

namespace {
const char* const kChannelNames[] = {"red", "green", "blue"};
} // namespace

QJsonObject GammaRampJson::toJson(const GammaRamp& ramp)
{
    QJsonObject json;
    for (int c = 0; c < 3; ++c) {
        QJsonArray levels;
        for (quint16 level : ramp.channel(c))
            levels.append(level);
        json.insert(QLatin1String(kChannelNames[c]), levels);
    }
    return json;
}

bool GammaRampJson::fromJson(const QJsonValue& json, GammaRamp& ramp)
{
    for (int c = 0; c < 3; ++c) {
        const QJsonArray levels = json.toObject().value(QLatin1String(kChannelNames[c])).toArray();
        if (levels.size() != GammaRamp::kSize)
            return false;
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            const double level = levels.at(i).toDouble(-1);
            if (level < 0 || level > 65535)
                return false;
            ramp.channel(c)[i] = static_cast<quint16>(level);
        }
    }
    return true;
}
