#include "platform/linux/IdleInput.h"

#include <QAbstractEventDispatcher>
#include <QCursor>
#include <QGuiApplication>

IdleInput::IdleInput(std::unique_ptr<IdleSource> source) : m_source(std::move(source))
{
    if (!m_source)
        return;
    connect(m_source.get(), &IdleSource::idled, this, &IdleInput::idled);
    connect(m_source.get(), &IdleSource::resumed, this, &IdleInput::resumed);
}

IdleInput::~IdleInput()
{
    disconnect(m_wakeHook);
}

QString IdleInput::sourceName() const
{
    return m_source ? m_source->name() : QString();
}

void IdleInput::setKeyListener(std::function<void(const InputEvent&)> listener)
{
    m_keyListener = std::move(listener);
}

void IdleInput::setMouseListener(std::function<void(const InputEvent&)> listener)
{
    m_mouseListener = std::move(listener);
}

bool IdleInput::watchKeys(bool on)
{
    if (on && !m_source)
        return false;
    m_keys = on;
    return refresh();
}

bool IdleInput::watchMouse(bool on)
{
    if (on && !m_source)
        return false;
    m_mouse = on;
    return refresh();
}

Qt::KeyboardModifiers IdleInput::heldModifiers()
{
    return QGuiApplication::queryKeyboardModifiers();
}

QPoint IdleInput::pointerPosition()
{
    return QCursor::pos();
}

bool IdleInput::refresh()
{
    const bool wanted = m_keys || m_mouse;
    if (wanted == m_watching)
        return true;
    m_watching = wanted;
    disconnect(m_wakeHook);
    if (!wanted) {
        m_source->stop();
        return true;
    }
    if (!m_source->start(kQuietMs)) {
        m_watching = m_keys = m_mouse = false;
        return false;
    }
    // Whoever switched the watch on is there now.
    m_busy = true;
    m_lastReport.start();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        m_wakeHook =
            connect(dispatcher, &QAbstractEventDispatcher::awake, this, &IdleInput::reportIfBusy);
    return true;
}

void IdleInput::resumed()
{
    if (!m_watching)
        return;
    m_busy = true;
    report();
}

void IdleInput::idled()
{
    m_busy = false;
}

void IdleInput::reportIfBusy()
{
    if (m_busy && m_lastReport.elapsed() >= kReportMs)
        report();
}

void IdleInput::report()
{
    m_lastReport.start();
    if (m_keys && m_keyListener)
        m_keyListener(InputEvent{InputEvent::KeyDown, 0, {}, 0});
    if (m_mouse && m_mouseListener)
        m_mouseListener(InputEvent{InputEvent::MouseMove, 0, QCursor::pos(), 0});
}
