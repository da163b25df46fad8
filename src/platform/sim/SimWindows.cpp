#include "platform/sim/SimWindows.h"

#include "platform/IOverlays.h"

#include <QApplication>
#include <QEvent>
#include <QJsonArray>
#include <QTimer>
#include <QWidget>

SimWindows::SimWindows()
{
    watchApplication();
}

void SimWindows::watchApplication()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

void SimWindows::bringToFront(QWidget& window)
{
    m_frontWindow = window.windowTitle();
    changed();
}

void SimWindows::coverMonitor(QWidget& window, const QRect& monitor)
{
    window.move(monitor.topLeft());
    window.setFixedSize(monitor.width(), monitor.height() + 1);
    window.show();
    window.showNormal();
    window.raise();
}

bool SimWindows::processes(QVector<ProcessEntry>& entries)
{
    return m_table.processes(entries);
}

QVector<WindowRef> SimWindows::topLevelWindows()
{
    return m_table.topLevelWindows();
}

quint64 SimWindows::foregroundWindow()
{
    return m_table.foregroundWindow();
}

WindowInfo SimWindows::describe(quint64 window)
{
    return m_table.describe(window);
}

QString SimWindows::processName(qint64 pid)
{
    return m_table.processName(pid);
}

bool SimWindows::terminateProcess(qint64 pid)
{
    if (!m_table.terminate(pid))
        return false;
    changed();
    return true;
}

void SimWindows::watchForeground(std::function<void()> changed)
{
    m_foregroundChanged = std::move(changed);
}

void SimWindows::configure(const QJsonObject& config)
{
    if (m_table.configure(config) && m_foregroundChanged)
        m_foregroundChanged();
}

bool SimWindows::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowTitleChange:
    case QEvent::DynamicPropertyChange:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            reportSoon();
        break;
    default:
        break;
    }
    return false;
}

void SimWindows::reportSoon()
{
    // A drag moves a window many times per second: one state write per event loop pass.
    if (m_reportPending)
        return;
    m_reportPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reportPending = false;
        changed();
    });
}

void SimWindows::addOverlayFields(const QWidget& window, QJsonObject& entry)
{
    const Qt::WindowFlags flags = window.windowFlags();
    entry.insert(QStringLiteral("click_through"), flags.testFlag(Qt::WindowTransparentForInput));
    entry.insert(QStringLiteral("on_top"), flags.testFlag(Qt::WindowStaysOnTopHint));
    const QVariant opacity = window.property(kOverlayOpacityProperty);
    if (opacity.isValid())
        entry.insert(QStringLiteral("opacity"), opacity.toDouble());
    const QVariant statement = window.property(kOverlayStatementProperty);
    if (statement.isValid())
        entry.insert(QStringLiteral("page_statement"), statement.toString());
}

void SimWindows::addState(QJsonObject& state) const
{
    QJsonArray windows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QRect area = window->geometry();
        QJsonObject entry{
            {QStringLiteral("class"), QString::fromLatin1(window->metaObject()->className())},
            {QStringLiteral("title"), window->windowTitle()},
            {QStringLiteral("x"), area.x()},
            {QStringLiteral("y"), area.y()},
            {QStringLiteral("width"), area.width()},
            {QStringLiteral("height"), area.height()}};
        addOverlayFields(*window, entry);
        windows.append(entry);
    }
    state.insert(QStringLiteral("windows"), windows);
    state.insert(QStringLiteral("front_window"), m_frontWindow);
    m_table.addState(state);
}
