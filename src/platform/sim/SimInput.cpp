#include "platform/sim/SimInput.h"

#include "KavoLog.h"
#include "platform/VirtualKeys.h"
#include "platform/sim/SimHotkeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QKeySequence>
#include <QTimer>

namespace {
constexpr int kClicksKept = 100;

QPoint pointFromJson(const QJsonValue& value)
{
    const QJsonArray pair = value.toArray();
    return QPoint(pair.at(0).toInt(), pair.at(1).toInt());
}

QJsonArray pointToJson(const QPoint& point)
{
    return QJsonArray{point.x(), point.y()};
}
} // namespace

SimInput::SimInput(SimHotkeys& hotkeys) : m_hotkeys(hotkeys)
{
}

void SimInput::setKeyListener(std::function<void(const InputEvent&)> listener)
{
    m_keyListener = std::move(listener);
}

void SimInput::setMouseListener(std::function<void(const InputEvent&)> listener)
{
    m_mouseListener = std::move(listener);
}

void SimInput::setHook(bool& hook, bool on)
{
    if (hook == on)
        return;
    hook = on;
    changed();
}

bool SimInput::watchKeys(bool on)
{
    setHook(m_keysWatched, on);
    return true;
}

bool SimInput::watchMouse(bool on)
{
    setHook(m_mouseWatched, on);
    return true;
}

void SimInput::setMotion(Motion motion)
{
    setHook(m_everyMove, motion == Motion::Every);
}

bool SimInput::blockZoomKeys(bool on)
{
    setHook(m_zoomKeysBlocked, on);
    return true;
}

bool SimInput::grabPointer(bool on)
{
    setHook(m_pointerGrabbed, on);
    return true;
}

bool SimInput::leftClick()
{
    ++m_clickCount;
    m_clicks.append(m_pointer);
    if (m_clicks.size() > kClicksKept)
        m_clicks.removeFirst();
    changed();
    return true;
}

void SimInput::configure(const QJsonObject& config)
{
    const QJsonArray entries = config.value(QLatin1String("input")).toArray();
    if (entries.isEmpty())
        return;
    // Run once the program is back in its event loop, with its listeners in place.
    QTimer::singleShot(0, this, [this, entries] { runNewEntries(entries); });
}

void SimInput::runNewEntries(const QJsonArray& entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        const QString identity =
            QString::number(i) + QLatin1Char(':') +
            QString::fromUtf8(QJsonDocument(entry).toJson(QJsonDocument::Compact));
        if (m_entriesRun.contains(identity))
            continue;
        m_entriesRun.insert(identity);
        run(entry);
    }
}

void SimInput::run(const QJsonObject& entry)
{
    if (entry.contains(QLatin1String("key"))) {
        pressKey(entry.value(QLatin1String("key")).toString());
    } else if (entry.contains(QLatin1String("move"))) {
        movePointer(pointFromJson(entry.value(QLatin1String("move"))));
    } else if (entry.contains(QLatin1String("click"))) {
        movePointer(pointFromJson(entry.value(QLatin1String("click"))));
        sendMouse(InputEvent::LeftButtonDown);
        sendMouse(InputEvent::LeftButtonUp);
    } else if (entry.contains(QLatin1String("press"))) {
        movePointer(pointFromJson(entry.value(QLatin1String("press"))));
        sendMouse(InputEvent::LeftButtonDown);
    } else if (entry.contains(QLatin1String("release"))) {
        movePointer(pointFromJson(entry.value(QLatin1String("release"))));
        sendMouse(InputEvent::LeftButtonUp);
    } else if (entry.contains(QLatin1String("wheel"))) {
        sendMouse(InputEvent::Wheel, entry.value(QLatin1String("wheel")).toInt());
    } else {
        log_line(QStringLiteral("Simulated input entry not understood: ") +
                 QString::fromUtf8(QJsonDocument(entry).toJson(QJsonDocument::Compact)));
    }
}

void SimInput::pressKey(const QString& text)
{
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1) {
        log_line(QStringLiteral("Simulated key not understood: ") + text);
        return;
    }
    HotkeyChord chord;
    chord.key = static_cast<Qt::Key>(sequence[0] & ~Qt::KeyboardModifierMask);
    chord.modifiers = Qt::KeyboardModifiers(sequence[0] & Qt::KeyboardModifierMask);
    InputEvent event;
    event.virtualKey =
        VirtualKeys::fromQtKey(chord.key, chord.modifiers.testFlag(Qt::KeypadModifier));
    m_held = chord.modifiers & ~Qt::KeypadModifier;
    if (m_keysWatched && m_keyListener) {
        event.type = InputEvent::KeyDown;
        m_keyListener(event);
    }
    m_hotkeys.activate(chord);
    if (m_keysWatched && m_keyListener) {
        event.type = InputEvent::KeyUp;
        m_keyListener(event);
    }
    m_held = {};
}

void SimInput::movePointer(const QPoint& position)
{
    m_pointer = position;
    sendMouse(InputEvent::MouseMove);
    changed();
}

void SimInput::sendMouse(InputEvent::Type type, int wheelDelta)
{
    if (!m_mouseWatched || !m_mouseListener)
        return;
    InputEvent event;
    event.type = type;
    event.position = m_pointer;
    event.wheelDelta = wheelDelta;
    m_mouseListener(event);
}

void SimInput::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("hooks"),
                 QJsonObject{{QStringLiteral("keyboard"), m_keysWatched},
                             {QStringLiteral("mouse"), m_mouseWatched},
                             {QStringLiteral("zoom_keys_blocked"), m_zoomKeysBlocked},
                             {QStringLiteral("every_move"), m_everyMove},
                             {QStringLiteral("pointer_grabbed"), m_pointerGrabbed}});
    state.insert(QStringLiteral("pointer"), pointToJson(m_pointer));
    QJsonArray clicks;
    for (const QPoint& click : m_clicks)
        clicks.append(pointToJson(click));
    state.insert(QStringLiteral("synthetic_clicks"), clicks);
    state.insert(QStringLiteral("synthetic_click_count"), m_clickCount);
}
