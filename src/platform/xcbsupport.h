// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "x11keymap.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <xcb/xcb.h>

// Small helpers over Qt's own X11 connection, shared by the X11 backends.
namespace tintmere::platform::xcb {

// Qt's connection to the X server; null when the application does not run on X11.
xcb_connection_t* applicationConnection();

// The root window of the X screen the application shows its windows on.
xcb_window_t rootWindow(xcb_connection_t* connection);

// Whether the X server offers the named extension.
bool hasExtension(xcb_connection_t* connection, std::string_view name);

// Control+Alt+Super+L as the server's current keyboard tables define it.
std::optional<x11::HotKey> controlAltSuperL(xcb_connection_t* connection);

// Replies and errors of xcb are malloc'ed.
struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

} // namespace tintmere::platform::xcb
