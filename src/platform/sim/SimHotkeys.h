#pragma once

#include "platform/IHotkeys.h"
#include "platform/sim/SimService.h"

#include <QMap>
#include <QSet>
#include <QString>

// Global shortcuts of the simulated desktop. The config's "taken_hotkeys": ["Ctrl+Alt+P"]
// lists combinations other programs hold; the state lists Kavo's as "hotkeys" (sorted key
// sequence texts). Injected keys (see SimInput) activate them.
class SimHotkeys : public IHotkeys, public SimService
{
public:
    Grab grab(const HotkeyChord& chord, std::function<void()> activated) override;
    void release(const HotkeyChord& chord) override;

    // Runs the shortcut held for `chord`; false when Kavo holds none.
    bool activate(const HotkeyChord& chord);

    // The portable text of `chord` ("Ctrl+Alt+Up").
    static QString text(const HotkeyChord& chord);

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QMap<QString, std::function<void()>> m_grabbed;
    QSet<QString> m_taken;
    bool m_offered = true;
};
