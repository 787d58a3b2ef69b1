// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame_extents.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Owned<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t name, xcb_atom_t type, uint32_t length) {
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, name, type, 0, length),
                                   nullptr),
            &std::free};
}

} // namespace

// The frame that an EWMH window manager will draw around the window. The
// frame exists only once the window is mapped, so the window asks the
// manager for its extents beforehand (_NET_REQUEST_FRAME_EXTENTS), as the
// standard provides for exactly this. None without such a manager.
std::optional<QMargins> expectedFrame(QWidget& window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Some platforms other than xcb offer the interface without a connection.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");

    const auto supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (!supported)
        return std::nullopt;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const auto* end = atoms + xcb_get_property_value_length(supported.get()) / sizeof(xcb_atom_t);
    if (std::find(atoms, end, request) == end)
        return std::nullopt;

    // Creates the native window, not yet mapped.
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // A manager answers within a round trip or two, a busy one later; half a
    // second is the most a start-up waits for one that does not.
    for (int attempt = 0; attempt < 250; ++attempt) {
        const auto reply = property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
            // left, right, top, bottom, in the screen's pixels; the window
            // is placed in Qt's, which are larger on a scaled screen.
            const qreal scale = window.devicePixelRatioF();
            const auto logical = [scale](uint32_t pixels) {
                return static_cast<int>(std::lround(pixels / scale));
            };
            return QMargins(logical(sides[0]), logical(sides[2]), logical(sides[1]),
                            logical(sides[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
}
