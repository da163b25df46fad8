#pragma once

#include "screens/KavoWindow.h"

#include <QRect>
#include <QString>
#include <QUrl>

class IWebView;

// A window of the overlay family: frameless and translucent, above every other window, out of
// the taskbar, never focused, and every mouse event passes through it to the windows beneath.
// Key presses that reach it anyway are dropped.
class OverlayWindow : public KavoWindow
{
    Q_OBJECT

public:
    OverlayWindow(const QRect& geometry, const QString& title);
    ~OverlayWindow() override;

    // The last statement the page ran (empty before the first).
    QString last_statement() const { return m_last_statement; }

protected:
    // Fills the window with a web view showing `url`, with this window as its "native_object".
    // Without the web part the window stays empty: an overlay shows no text.
    void build_page(const QUrl& url);
    IWebView* view() const { return m_view; }

    // Shows the window over everything else (and again after a monitor change).
    void show_over_desktop();

    // Runs `statement` in the page's main frame and remembers it.
    void run_statement(const QString& statement);

    // How opaque the window looks now (0..1), for the desktops that report it.
    void report_opacity(double opacity);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IWebView* m_view = nullptr;
    QString m_last_statement;
};
