#include "app/ui/X11WindowFinder.h"

#include "app/ProcessTree.h"

#include <QList>

#include <cstring>
#include <xcb/res.h>
#include <xcb/xcb.h>

namespace {

template <typename T> std::unique_ptr<T, decltype(&free)> owned(T* p) {
    return std::unique_ptr<T, decltype(&free)>(p, &free);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto reply = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<uint16_t>(strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

qint64 windowPid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmPid) {
    if (netWmPid != XCB_ATOM_NONE) {
        auto prop = owned(xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (prop && xcb_get_property_value_length(prop.get()) == 4)
            return *static_cast<uint32_t*>(xcb_get_property_value(prop.get()));
    }
    // The X resource extension knows the pid of the client that made the window.
    xcb_res_client_id_spec_t spec{w, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    auto ids =
        owned(xcb_res_query_client_ids_reply(c, xcb_res_query_client_ids(c, 1, &spec), nullptr));
    if (!ids)
        return 0;
    for (auto it = xcb_res_query_client_ids_ids_iterator(ids.get()); it.rem;
         xcb_res_client_id_value_next(&it)) {
        if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
            xcb_res_client_id_value_value_length(it.data) == 1)
            return *xcb_res_client_id_value_value(it.data);
    }
    return 0;
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
    auto attrs =
        owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE && !attrs->override_redirect;
}

// The top-level windows in the window manager's order, or the root's children without one.
QList<xcb_window_t> topLevelWindows(xcb_connection_t* c, xcb_window_t root) {
    QList<xcb_window_t> windows;
    const xcb_atom_t clientList = atom(c, "_NET_CLIENT_LIST");
    if (clientList != XCB_ATOM_NONE) {
        auto prop = owned(xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, clientList, XCB_ATOM_WINDOW, 0, 4096), nullptr));
        if (prop && prop->type == XCB_ATOM_WINDOW) {
            const auto* ids = static_cast<xcb_window_t*>(xcb_get_property_value(prop.get()));
            const int n = xcb_get_property_value_length(prop.get()) / 4;
            for (int i = 0; i < n; ++i)
                windows << ids[i];
        }
    }
    if (windows.isEmpty()) {
        auto tree = owned(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
        if (tree) {
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
                windows << children[i];
        }
    }
    return windows;
}

quint32 firstWindowOn(xcb_connection_t* conn, qint64 pid) {
    const xcb_setup_t* setup = xcb_get_setup(conn);
    const xcb_atom_t netWmPid = atom(conn, "_NET_WM_PID");
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        for (xcb_window_t w : topLevelWindows(conn, screens.data->root)) {
            if (!viewable(conn, w))
                continue;
            const qint64 owner = windowPid(conn, w, netWmPid);
            if (owner > 0 && ProcessTree::descendsFrom(owner, pid))
                return w;
        }
    }
    return 0;
}

} // namespace

X11WindowFinder::X11WindowFinder() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (c && xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        c = nullptr;
    }
    m_connection = c;
}

X11WindowFinder::~X11WindowFinder() {
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool X11WindowFinder::available() const {
    return m_connection != nullptr;
}

quint32 X11WindowFinder::firstWindowOf(qint64 pid) {
    return m_connection ? firstWindowOn(m_connection, pid) : 0;
}
