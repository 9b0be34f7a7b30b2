// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/WindowFrameQuery.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef KTQ_HAVE_XCB
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>
#endif

namespace ktq {
#ifdef KTQ_HAVE_XCB
namespace {

// Asked only of a window manager that says it answers, which does within
// milliseconds; a loaded machine may hold it up a while.
constexpr int kTries = 400;  // 5 ms apart: two seconds at most
constexpr auto kPause = std::chrono::milliseconds(5);

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<uint32_t> Cardinals(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                xcb_atom_t type) {
    Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

}  // namespace

std::optional<QMargins> AskFrameBeforeMapping(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::nullopt;
    xcb_connection_t* c = x11->connection();
    const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    // Only a window manager that says it answers is asked: without one the
    // window has no frame, and nothing is waited for.
    bool answers = false;
    for (uint32_t atom : Cardinals(c, root, Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM))
        answers = answers || atom == request;
    if (!answers || extents == XCB_ATOM_NONE)
        return std::nullopt;

    xcb_client_message_event_t ask = {};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = id;
    ask.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ask));
    xcb_flush(c);
    for (int i = 0; i < kTries; ++i) {
        const std::vector<uint32_t> v = Cardinals(c, id, extents, XCB_ATOM_CARDINAL);
        if (v.size() == 4)  // left, right, top, bottom
            return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                            static_cast<int>(v[3]));
        std::this_thread::sleep_for(kPause);
    }
    return std::nullopt;
}
#else
std::optional<QMargins> AskFrameBeforeMapping(QWidget&) {
    return std::nullopt;
}
#endif

}  // namespace ktq
