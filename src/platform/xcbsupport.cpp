// SPDX-License-Identifier: GPL-3.0-or-later
#include "xcbsupport.h"

#include <QGuiApplication>

namespace tintmere::platform::xcb {

namespace {

x11::KeyboardMapping keyboardMapping(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const xcb::Reply<xcb_get_keyboard_mapping_reply_t> reply(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, quint8(count)),
        nullptr));
    if (!reply)
        return {};
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    return {setup->min_keycode, reply->keysyms_per_keycode,
            std::vector<quint32>(keysyms, keysyms + length)};
}

x11::ModifierMapping modifierMapping(xcb_connection_t* connection) {
    const xcb::Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!reply)
        return {};
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int length = xcb_get_modifier_mapping_keycodes_length(reply.get());
    return {reply->keycodes_per_modifier, std::vector<quint8>(keycodes, keycodes + length)};
}

} // namespace

bool hasExtension(xcb_connection_t* connection, std::string_view name) {
    const xcb::Reply<xcb_query_extension_reply_t> reply(xcb_query_extension_reply(
        connection, xcb_query_extension(connection, quint16(name.size()), name.data()), nullptr));
    return reply && reply->present;
}

xcb_connection_t* applicationConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    // Qt uses the screen named by DISPLAY, like every X client.
    char* host = nullptr;
    int display = 0;
    int screenNumber = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screenNumber))
        std::free(host);
    else
        screenNumber = 0;
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    xcb_window_t root = XCB_WINDOW_NONE;
    if (roots.data)
        root = roots.data->root;
    for (; roots.rem > 0; --screenNumber, xcb_screen_next(&roots)) {
        if (screenNumber == 0)
            return roots.data->root;
    }
    return root;
}

std::optional<x11::HotKey> controlAltSuperL(xcb_connection_t* connection) {
    return x11::controlAltSuperL(keyboardMapping(connection), modifierMapping(connection));
}

} // namespace tintmere::platform::xcb
