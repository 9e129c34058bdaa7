// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettecommands.h"

#include <array>
#include <ctime>

namespace tintmere {

namespace {

struct Row {
    QStringView menu; // empty: any menu
    QStringView item; // empty: any "Color n" item
    ColorCommand::Kind kind;
};

// Tried in order; the first row that matches runs.
constexpr std::array kRows{
    Row{u"Copy", u"Hex value", ColorCommand::CopyHex},
    Row{u"Copy", u"Rgb value", ColorCommand::CopyRgb},
    Row{u"Copy", u"Web value", ColorCommand::CopyWeb},
    Row{{}, u"Reset", ColorCommand::Reset},
    Row{{}, u"Randomize", ColorCommand::Randomize},
    Row{{}, u"Make web-safe", ColorCommand::MakeWebSafe},
    Row{{}, u"Set all to this color", ColorCommand::SetAll},
    Row{{}, u"Set all to selected color", ColorCommand::SetAll},
    Row{u"Switch with", {}, ColorCommand::SwitchWith},
    Row{u"Quick blend with", {}, ColorCommand::QuickBlendWith},
    Row{u"Blend with", {}, ColorCommand::BlendWith},
    Row{u"Send to blend", u"Start color", ColorCommand::SendToBlendStart},
    Row{u"Send to blend", u"End color", ColorCommand::SendToBlendEnd},
};

} // namespace

int wellNamedBy(QStringView itemTitle) {
    if (!itemTitle.startsWith(u"Color ") || itemTitle.size() != 7)
        return -1;
    const int index = itemTitle.back().unicode() - u'1';
    return index >= 0 && index < 4 ? index : -1;
}

ColorCommand colorCommandFor(QStringView menuTitle, QStringView itemTitle) {
    const bool copyMenu = menuTitle == u"Copy";
    for (const Row& row : kRows) {
        if (copyMenu && row.menu != u"Copy")
            continue;
        if (!row.menu.isEmpty() && row.menu != menuTitle)
            continue;
        if (!row.item.isEmpty()) {
            if (row.item == itemTitle)
                return {row.kind, -1};
            continue;
        }
        // The well lists: an item that names no well does nothing.
        const int chosen = wellNamedBy(itemTitle);
        return chosen < 0 ? ColorCommand{} : ColorCommand{row.kind, chosen};
    }
    if (menuTitle == u"Send to blend")
        return {ColorCommand::ShowBlend, -1};
    return {};
}

PaletteCommand paletteCommandFor(QStringView itemTitle) {
    if (itemTitle == u"Reset palette")
        return PaletteCommand::ResetPalette;
    if (itemTitle == u"Randomize palette")
        return PaletteCommand::RandomizePalette;
    if (itemTitle == u"Make palette web-safe")
        return PaletteCommand::MakePaletteWebSafe;
    if (itemTitle == u"Show web-safe preview")
        return PaletteCommand::WebPreview;
    return PaletteCommand::None;
}

Color randomColor(const std::function<std::uint32_t()>& draw) {
    const auto component = [&draw] { return float(double(draw() % 255 + 1) / 255.0); };
    const float blue = component();
    const float green = component();
    const float red = component();
    return Color{red, green, blue, 1.0f};
}

RandomColors::RandomColors()
    : RandomColors(std::uint32_t(std::time(nullptr))) {
}

RandomColors::RandomColors(std::uint32_t seed)
    : m_state(seed) {
}

Color RandomColors::next() {
    // xorshift32 cannot leave 0, so the state is never 0 itself.
    if (m_state == 0)
        m_state = 0x9e3779b9u;
    return randomColor([this] {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    });
}

} // namespace tintmere
