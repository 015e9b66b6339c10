#include "aptui/screencompositing.h"

#include <QByteArray>
#include <QGuiApplication>

#if defined(LARKSPAN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace aptui {

namespace {

std::optional<bool> s_override;

#if defined(LARKSPAN_HAVE_XCB) && QT_CONFIG(xcb)
// The screen number of the display the program runs on (":0.1" is screen 1).
int displayScreen()
{
    const QByteArray name = qgetenv("DISPLAY");
    char *host = nullptr;
    int display = 0;
    int screen = 0;
    const bool parsed = xcb_parse_display(name.constData(), &host, &display, &screen) != 0;
    std::free(host);
    return parsed ? screen : 0;
}

bool x11CompositingManagerRuns(xcb_connection_t *connection)
{
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(displayScreen());
    // Only if it exists: a display on which no compositing manager ever ran
    // does not know the name, and nothing new is made on the server.
    xcb_intern_atom_reply_t *atomReply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr);
    if (!atomReply)
        return false;
    const xcb_atom_t atom = atomReply->atom;
    std::free(atomReply);
    if (atom == XCB_ATOM_NONE)
        return false;

    xcb_get_selection_owner_reply_t *ownerReply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom), nullptr);
    const bool owned = ownerReply && ownerReply->owner != XCB_WINDOW_NONE;
    std::free(ownerReply);
    return owned;
}
#endif

} // namespace

bool screenCompositing()
{
    if (s_override)
        return *s_override;
#if defined(LARKSPAN_HAVE_XCB) && QT_CONFIG(xcb)
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (xcb_connection_t *connection = x11->connection())
            return x11CompositingManagerRuns(connection);
    }
#endif
    return true;
}

void setScreenCompositingOverride(std::optional<bool> available)
{
    s_override = available;
}

} // namespace aptui
