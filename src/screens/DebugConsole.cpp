#include "screens/DebugConsole.h"

#include "screens/DebugConsoleWindow.h"

DebugConsole::~DebugConsole()
{
    delete m_window;
}

bool DebugConsole::is_open() const
{
    return m_window && m_window->isVisible();
}

DebugConsoleWindow* DebugConsole::window() const
{
    return is_open() ? m_window.data() : nullptr;
}

void DebugConsole::toggle()
{
    if (is_open()) {
        m_window->close();
        m_window = nullptr;
        return;
    }
    m_window = new DebugConsoleWindow;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
