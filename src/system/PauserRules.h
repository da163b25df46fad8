#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

// A running program as the pausers look at it.
struct ProcessView
{
    QString name;
    bool visible = false;     // its main window is shown and not minimised
    bool full_screen = false; // its main window covers its monitor
    bool foreground = false;  // it owns the window in front
};

struct PauseDecision
{
    bool color = false;
    bool timer = false;
    bool mouse = false;
};

// One pauser feature: its switch, its list and whether any full-screen window in front pauses.
struct PauserList
{
    bool on = false;
    QStringList entries;
    bool full_screen_apps = false;
};

// Decides which pauses the running programs call for.
class PauserRules
{
public:
    PauserList color;
    PauserList timer;
    PauserList mouse;

    bool any_on() const { return color.on || timer.on || mouse.on; }

    // Whether some switched-on list could name `name`: only such programs need their
    // windows looked at.
    bool mentions(const QString& name) const;

    // Adds what `process` calls for to `decision`; `foreground_full_screen` tells whether the
    // window in front is full screen.
    void add(const ProcessView& process, bool foreground_full_screen,
             PauseDecision& decision) const;

    // After every program: a full-screen window in front pauses what asks for that.
    void add_full_screen_foreground(bool foreground_full_screen, PauseDecision& decision) const;

    // The colour pauser list's answer for `process`: the first entry that mentions it decides.
    static bool color_pauses(const QStringList& entries, const ProcessView& process,
                             bool foreground_full_screen);
    // The timer and mouse pauser lists' answer: an entry with exactly its name.
    static bool exact_pauses(const QStringList& entries, const ProcessView& process);

    // Whether a window at `window` covers its monitor: the monitor that holds most of it (or,
    // when it is on none, the first) has exactly its size.
    static bool covers_monitor(const QRect& window, const QVector<QRect>& monitors);
};
