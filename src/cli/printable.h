// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

namespace tintmere::cli {

// The text as UTF-8 that keeps to one line and cannot drive a terminal: a backslash is
// written "\\", tab, line feed and carriage return "\t", "\n" and "\r", and every other
// control character (U+0000 to U+001F, U+007F to U+009F) and the line and paragraph
// separators "\uHHHH". Names in files come from anyone.
std::string printable(const QString& text);

} // namespace tintmere::cli
