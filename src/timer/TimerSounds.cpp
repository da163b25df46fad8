#include "timer/TimerSounds.h"

#include "platform/Platform.h"

namespace {
const QString kTick = QStringLiteral("tick-tock");
const QString kBip = QStringLiteral("bip");

ISounds& sounds()
{
    return Platform::current().sounds();
}
} // namespace

TimerSounds::~TimerSounds()
{
    stop_tick();
}

void TimerSounds::play_tick()
{
    if (!sounds().isPlaying(kTick))
        sounds().play(kTick, true);
}

void TimerSounds::stop_tick()
{
    sounds().stop(kTick);
}

void TimerSounds::play_bip()
{
    stop_tick();
    if (!sounds().isPlaying(kBip))
        sounds().play(kBip, false);
}
