// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"
#include "formatscanner.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintmere {

enum class TextCase { AsWritten, Lower, Upper };

// Fills a format with a colour's components, converting the whole result to the given case in
// the same pass.
std::string writeColorValue(const Color& color, std::string_view format,
                            TextCase textCase = TextCase::AsWritten);

// A format scanned once, for the fixed formats that are written again and again. It refers
// to the format's text, which must outlive it (the presets use string literals).
class FormatProgram {
public:
    explicit FormatProgram(std::string_view format);

    std::string write(const Color& color, TextCase textCase = TextCase::AsWritten) const;

private:
    std::vector<FormatElement> elements_;
};

} // namespace tintmere
