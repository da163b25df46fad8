#pragma once

// What the desktop under Kavo can do. Code branches on these, never on a system version.
enum class Capability {
    Magnifier,           // full-screen and per-window colour effects, full-screen transform
    TaskbarButtons,      // thumbnail toolbar buttons and progress on the taskbar button
    MessageBoxes,        // notices are shown as message boxes rather than tray balloons
    GammaRampsPreferred, // the desktop's preferred colour path is the gamma ramp
    LastingGammaRamps,   // ramps stay on the monitors after Kavo ends, however it ends
};
