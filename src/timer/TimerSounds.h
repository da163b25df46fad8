#pragma once

// The break timer's two sounds: the tick-tock that loops through a productive work interval
// and the short bip of the last seconds. Each is only started when it is not playing already.
class TimerSounds
{
public:
    ~TimerSounds();

    void play_tick();
    void stop_tick();
    // Stops the tick and plays the bip once.
    void play_bip();
};
