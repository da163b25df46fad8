#pragma once

#include "platform/IHotkeys.h"

#include <QKeySequence>
#include <QObject>

#include <optional>

// One global shortcut: a key sequence that, while registered, reaches Kavo from whichever
// program has the keyboard. It registers through the current platform's hotkey service and
// gives its combination back when it is unregistered or destroyed.
class QHotkey : public QObject
{
    Q_OBJECT

public:
    explicit QHotkey(QObject* parent = nullptr);
    QHotkey(const QKeySequence& shortcut, bool autoRegister, QObject* parent = nullptr);
    ~QHotkey() override;

    QKeySequence shortcut() const { return m_shortcut; }

    // Replaces the key sequence (unregistering the old one); with `autoRegister`, registers
    // the new one. False when a wanted registration failed.
    bool setShortcut(const QKeySequence& shortcut, bool autoRegister = false);

    bool isRegistered() const { return m_registered; }

    // Registers or unregisters; false when the registration was refused (see error()) or
    // there is no key sequence.
    bool setRegistered(bool registered);

    // Why the last registration was refused; empty when it was not.
    QString error() const { return m_error; }
    // Whether the last registration failed because another program holds the combination.
    bool isTakenByAnotherProgram() const { return m_taken; }
    // Whether the desktop lets no program take keys for itself (bind them in the compositor).
    bool isNotOffered() const { return m_notOffered; }

signals:
    void activated();

private:
    std::optional<HotkeyChord> chord() const;
    bool grab();
    void release();

    QKeySequence m_shortcut;
    IHotkeys* m_hotkeys = nullptr; // the service that holds the grab while registered
    bool m_registered = false;
    bool m_taken = false;
    bool m_notOffered = false;
    QString m_error;
};
