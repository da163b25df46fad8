#pragma once

#include "platform/ISounds.h"
#include "platform/sim/SimService.h"

#include <QSet>
#include <QStringList>

// Sounds are recorded, not played: the state lists the names played, in order, as "sounds"
// (the last 200). A sound played once ends at once; a looping one plays until stopped.
class SimSounds : public ISounds, public SimService
{
public:
    static constexpr int kKept = 200;

    void play(const QString& name, bool loop) override;
    void stop(const QString& name) override;
    bool isPlaying(const QString& name) const override { return m_looping.contains(name); }

    void configure(const QJsonObject&) override {}
    void addState(QJsonObject& state) const override;

private:
    QStringList m_played;
    QSet<QString> m_looping;
};
