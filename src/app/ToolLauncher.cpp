#include "ToolLauncher.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <csignal>
#include <memory>
#include <xcb/res.h>
#include <xcb/xcb.h>

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

Connection connect() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (c && xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        c = nullptr;
    }
    return Connection(c, &xcb_disconnect);
}

template <typename T> std::unique_ptr<T, decltype(&free)> owned(T* p) {
    return std::unique_ptr<T, decltype(&free)>(p, &free);
}

// The parent of a process, from /proc, or 0.
qint64 parentOf(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')'); // the name may hold spaces and brackets
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

bool descendsFrom(qint64 pid, qint64 ancestor) {
    for (int depth = 0; pid > 1 && depth < 64; ++depth) {
        if (pid == ancestor)
            return true;
        pid = parentOf(pid);
    }
    return false;
}

// Still running and not a zombie.
bool running(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.size() > close + 2 && line[close + 2] != 'Z' && line[close + 2] != 'X';
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

// Splits a command line into words as a POSIX shell does, without expanding anything: blanks
// separate words; single quotes keep every character; double quotes keep every character but a
// backslash before " \ $ or `; a backslash elsewhere keeps the character after it.
QStringList splitCommandLine(const QString& line) {
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (ch == u'\'') {
            inWord = true;
            qsizetype end = line.indexOf(u'\'', i + 1);
            if (end < 0)
                end = line.size();
            word += line.mid(i + 1, end - i - 1);
            i = end;
        } else if (ch == u'"') {
            inWord = true;
            for (++i; i < line.size() && line[i] != u'"'; ++i) {
                const bool escape = line[i] == u'\\' && i + 1 < line.size() &&
                                    QStringView(u"\"\\$`").contains(line[i + 1]);
                if (escape)
                    ++i;
                word += line[i];
            }
        } else if (ch == u'\\') {
            inWord = true;
            if (i + 1 < line.size())
                word += line[++i];
        } else if (ch.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            word += ch;
        }
    }
    if (inWord)
        words << word;
    return words;
}

} // namespace

namespace {

quint32 firstWindowOn(xcb_connection_t* conn, qint64 pid) {
    const xcb_setup_t* setup = xcb_get_setup(conn);
    const xcb_atom_t netWmPid = atom(conn, "_NET_WM_PID");
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        for (xcb_window_t w : topLevelWindows(conn, screens.data->root)) {
            if (!viewable(conn, w))
                continue;
            const qint64 owner = windowPid(conn, w, netWmPid);
            if (owner > 0 && descendsFrom(owner, pid))
                return w;
        }
    }
    return 0;
}

} // namespace

namespace X11Windows {

bool available() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") && connect() != nullptr;
}

quint32 firstWindowOf(qint64 pid) {
    const Connection c = connect();
    return c ? firstWindowOn(c.get(), pid) : 0;
}

} // namespace X11Windows

bool ToolLauncher::LaunchTool(const QString& commandLine) {
    m_window = 0;
    m_pid = 0;
    const QStringList parts = splitCommandLine(commandLine);
    if (parts.isEmpty())
        return false;
    QProcess process;
    process.setProgram(parts.first());
    process.setArguments(parts.mid(1));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached(&m_pid))
        return false;

    // One connection for the whole wait: connecting anew every few milliseconds would make a
    // server without other clients reset between the looks.
    const Connection x11 =
        qEnvironmentVariableIsEmpty("DISPLAY") ? Connection(nullptr, &xcb_disconnect) : connect();
    const QDeadlineTimer deadline(kWaitMs);
    while (!deadline.hasExpired()) {
        if (x11) {
            m_window = firstWindowOn(x11.get(), m_pid);
            if (m_window != 0)
                return true;
        }
        if (m_pump)
            m_pump();
        QThread::msleep(25);
    }
    if (x11) {
        m_window = firstWindowOn(x11.get(), m_pid);
        if (m_window != 0)
            return true;
    }
    // Where no X server can be asked, or the program may have opened its window on Wayland,
    // a program still running after the wait counts as found.
    if (!x11 || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return running(m_pid);
    return false;
}
