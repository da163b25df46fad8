#include "platform/x11/X11ErrorTrap.h"

#include <algorithm>
#include <vector>

namespace {
// Waits for the server only while a request may still be unanswered: a request with a reply
// has been answered by the time its call returns, so only a request without one (setting a
// gamma ramp, say) costs a round trip.
void sync_if_unanswered(Display* display)
{
    if (LastKnownRequestProcessed(display) + 1 < NextRequest(display))
        XSync(display, False);
}
} // namespace

bool X11ErrorTrap::s_failed = false;

X11ErrorTrap::X11ErrorTrap(Display* display) : m_display(display)
{
    // Errors of earlier requests belong to whoever made them (an enclosing trap, say).
    sync_if_unanswered(m_display);
    m_enclosingFailed = s_failed;
    s_failed = false;
    m_previous = XSetErrorHandler(&X11ErrorTrap::record);
}

X11ErrorTrap::~X11ErrorTrap()
{
    sync_if_unanswered(m_display);
    XSetErrorHandler(m_previous);
    s_failed = m_enclosingFailed;
}

bool X11ErrorTrap::failed()
{
    sync_if_unanswered(m_display);
    return s_failed;
}

int X11ErrorTrap::record(Display*, XErrorEvent*)
{
    s_failed = true;
    return 0;
}

namespace X11LateErrors {
namespace {
struct Expected
{
    Display* display;
    unsigned long request;
    bool* failed;
};

std::vector<Expected> s_expected;
XErrorHandler s_previous = nullptr;
bool s_installed = false;

int record(Display* display, XErrorEvent* error)
{
    const auto found = std::find_if(s_expected.begin(), s_expected.end(), [&](const Expected& e) {
        return e.display == display && e.request == error->serial;
    });
    if (found != s_expected.end()) {
        *found->failed = true;
        s_expected.erase(found);
        return 0;
    }
    return s_previous ? s_previous(display, error) : 0;
}
} // namespace

void expect(Display* display, unsigned long request, bool* failed)
{
    if (!s_installed) {
        s_previous = XSetErrorHandler(&record);
        s_installed = true;
    }
    // The requests the server has answered since cannot fail any more.
    const unsigned long answered = LastKnownRequestProcessed(display);
    s_expected.erase(std::remove_if(s_expected.begin(), s_expected.end(),
                                    [&](const Expected& e) {
                                        return e.display == display && e.request <= answered;
                                    }),
                     s_expected.end());
    s_expected.push_back(Expected{display, request, failed});
}

void forget(const bool* failed)
{
    s_expected.erase(std::remove_if(s_expected.begin(), s_expected.end(),
                                    [&](const Expected& e) { return e.failed == failed; }),
                     s_expected.end());
}
} // namespace X11LateErrors
