// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <optional>

#ifdef KVELMOR_XCB
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>
#endif

namespace {

#ifdef KVELMOR_XCB

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
    // A manager answers within a round trip or two; a tenth of a second is
    // the most a start-up waits for one that does not.
    for (int attempt = 0; attempt < 50; ++attempt) {
        const auto reply = property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
            // left, right, top, bottom
            return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                            static_cast<int>(sides[1]), static_cast<int>(sides[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
}

#else

// Elsewhere the platform knows the frame before the window is shown.
QMargins expectedFrame(QWidget&) {
    return {};
}

#endif

} // namespace

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const auto centred = [&area](QSize size) {
        return QPoint(area.x() + (area.width() - size.width()) / 2,
                      area.y() + (area.height() - size.height()) / 2);
    };
    if (const std::optional<QMargins> frame = expectedFrame(window)) {
        // The window's own rectangle, inside the frame centred on the screen.
        const QPoint outer = centred(window.size().grownBy(*frame));
        window.setGeometry(QRect(outer + QPoint(frame->left(), frame->top()), window.size()));
    } else {
        // The platform puts the frame, if it knows of one, at the window's position.
        window.move(centred(window.size()));
    }
}
