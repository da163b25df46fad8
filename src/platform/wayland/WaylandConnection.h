#pragma once

#include <QObject>
#include <QString>

#include <memory>

struct wl_display;
class QSocketNotifier;

// Kavo's own connection to the Wayland compositor ($WAYLAND_DISPLAY), separate from the one Qt
// may draw Kavo's windows through (Qt may as well draw through Xwayland). Its events are read
// on the GUI thread when the socket has data; requests go out at flush().
class WaylandConnection : public QObject
{
    Q_OBJECT

public:
    // Connects to $WAYLAND_DISPLAY (or `socket`); null, with the reason in `problem`, when no
    // compositor answers.
    static std::unique_ptr<WaylandConnection> open(QString* problem = nullptr,
                                                   const QString& socket = QString());
    ~WaylandConnection() override;

    wl_display* display() const { return m_display; }

    // The compositor's process name ("sway"); empty when the socket does not tell.
    QString compositorName() const;

    // Sends the queued requests.
    void flush();
    // Sends the queued requests and handles every answer to them; false once the connection
    // is broken.
    bool roundtrip();
    // Whether the connection broke (the compositor went away or ended it for an error).
    bool isBroken() const { return m_broken; }

signals:
    // The compositor went away or ended the connection; nothing more comes from it.
    void broken();

private:
    explicit WaylandConnection(wl_display* display);

    // Reads what the socket holds and handles it.
    void readEvents();
    void markBroken();

    wl_display* m_display;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_broken = false;
};
