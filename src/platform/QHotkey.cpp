#include "platform/QHotkey.h"

#include "platform/Platform.h"

namespace {
constexpr Qt::KeyboardModifiers kChordModifiers = Qt::ShiftModifier | Qt::ControlModifier |
                                                  Qt::AltModifier | Qt::MetaModifier |
                                                  Qt::KeypadModifier;

QString refusal(IHotkeys::Grab grab)
{
    switch (grab) {
    case IHotkeys::Grab::Taken:
        return QStringLiteral("another program uses it");
    case IHotkeys::Grab::TakenByKavo:
        return QStringLiteral("another Kavo shortcut uses it");
    case IHotkeys::Grab::Unsupported:
        return QStringLiteral("this keyboard has no such key");
    case IHotkeys::Grab::NotOffered:
        return QStringLiteral("this desktop keeps shortcuts to itself");
    case IHotkeys::Grab::Done:
        break;
    }
    return {};
}
} // namespace

QHotkey::QHotkey(QObject* parent) : QObject(parent)
{
}

QHotkey::QHotkey(const QKeySequence& shortcut, bool autoRegister, QObject* parent) : QObject(parent)
{
    setShortcut(shortcut, autoRegister);
}

QHotkey::~QHotkey()
{
    release();
}

bool QHotkey::setShortcut(const QKeySequence& shortcut, bool autoRegister)
{
    release();
    m_shortcut = shortcut;
    m_error.clear();
    m_taken = false;
    return autoRegister ? setRegistered(true) : true;
}

bool QHotkey::setRegistered(bool registered)
{
    if (!registered) {
        release();
        return true;
    }
    return m_registered || grab();
}

std::optional<HotkeyChord> QHotkey::chord() const
{
    if (m_shortcut.count() != 1)
        return std::nullopt;
    const int combination = m_shortcut[0];
    HotkeyChord chord;
    chord.key = static_cast<Qt::Key>(combination & ~Qt::KeyboardModifierMask);
    chord.modifiers =
        Qt::KeyboardModifiers(combination & Qt::KeyboardModifierMask) & kChordModifiers;
    return chord;
}

bool QHotkey::grab()
{
    m_error.clear();
    m_taken = false;
    const std::optional<HotkeyChord> wanted = chord();
    if (!wanted) {
        if (m_shortcut.count() > 1)
            m_error = QStringLiteral("a shortcut is one key combination");
        return false;
    }
    IHotkeys& hotkeys = Platform::current().hotkeys();
    const IHotkeys::Grab result = hotkeys.grab(*wanted, [this] { emit activated(); });
    if (result != IHotkeys::Grab::Done) {
        m_error = refusal(result);
        m_taken = result == IHotkeys::Grab::Taken;
        return false;
    }
    m_hotkeys = &hotkeys;
    m_registered = true;
    return true;
}

void QHotkey::release()
{
    if (!m_registered)
        return;
    if (const std::optional<HotkeyChord> held = chord())
        m_hotkeys->release(*held);
    m_hotkeys = nullptr;
    m_registered = false;
}
