#pragma once

#include <QPointer>

class DebugConsoleWindow;

// Kavo's debug console: opened and closed again by the same request. The user may also close
// its window; the next request opens it again.
class DebugConsole
{
public:
    ~DebugConsole();

    void toggle();
    bool is_open() const;
    // The open window, or null.
    DebugConsoleWindow* window() const;

private:
    QPointer<DebugConsoleWindow> m_window;
};
