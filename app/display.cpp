#include "display.h"

#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

static const auto Advice = u"Start it from a desktop session, or under a virtual X server:\n"
                           u"  xvfb-run -a orvanel\n"_s;

QString DisplayProblem()
{
    // A platform chosen by hand (offscreen, wayland, ...) is the user's to answer for.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return {};
        return u"orvanel: no display to show the windows on.\n"_s + Advice;
    }
    // Try the X display the way Qt will, so that a stale DISPLAY gets the same advice.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reachable || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return u"orvanel: cannot open the X display \"%1\".\n"_s.arg(display) + Advice;
}
