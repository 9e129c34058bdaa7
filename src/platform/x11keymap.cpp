// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11keymap.h"

#include <algorithm>

namespace tintmere::platform::x11 {

namespace {

constexpr int modifierCount = 8;
constexpr int firstFreeModifier = 3; // Mod1

quint32 keysymAt(const KeyboardMapping& keyboard, int keycodeIndex, int column) {
    return keyboard.keysyms[std::size_t(keycodeIndex * keyboard.keysymsPerKeycode + column)];
}

int keycodeCount(const KeyboardMapping& keyboard) {
    if (keyboard.keysymsPerKeycode <= 0)
        return 0;
    return int(keyboard.keysyms.size()) / keyboard.keysymsPerKeycode;
}

bool keycodeCarries(const KeyboardMapping& keyboard, quint8 keycode,
                    std::initializer_list<quint32> syms) {
    const int index = keycode - keyboard.minKeycode;
    if (index < 0 || index >= keycodeCount(keyboard))
        return false;
    for (int column = 0; column < keyboard.keysymsPerKeycode; ++column) {
        if (std::ranges::find(syms, keysymAt(keyboard, index, column)) != syms.end())
            return true;
    }
    return false;
}

} // namespace

std::optional<quint8> keycodeForKeysym(const KeyboardMapping& keyboard, quint32 sym) {
    const int count = keycodeCount(keyboard);
    for (int column = 0; column < keyboard.keysymsPerKeycode; ++column) {
        for (int index = 0; index < count; ++index) {
            const int keycode = keyboard.minKeycode + index;
            if (keysymAt(keyboard, index, column) == sym && keycode <= 255)
                return quint8(keycode);
        }
    }
    return std::nullopt;
}

quint16 modifierMaskFor(const KeyboardMapping& keyboard, const ModifierMapping& modifiers,
                        std::initializer_list<quint32> syms) {
    const int perModifier = modifiers.keycodesPerModifier;
    if (perModifier <= 0 || modifiers.keycodes.size() < std::size_t(modifierCount * perModifier))
        return 0;
    for (int mod = firstFreeModifier; mod < modifierCount; ++mod) {
        for (int slot = 0; slot < perModifier; ++slot) {
            const quint8 keycode = modifiers.keycodes[std::size_t(mod * perModifier + slot)];
            if (keycode != 0 && keycodeCarries(keyboard, keycode, syms))
                return quint16(1 << mod);
        }
    }
    return 0;
}

std::vector<quint16> HotKey::grabbedModifierStates() const {
    std::vector<quint16> states{modifiers, quint16(modifiers | modifier::lock)};
    if (numLockMask != 0 && (modifiers & numLockMask) == 0) {
        states.push_back(modifiers | numLockMask);
        states.push_back(modifiers | numLockMask | modifier::lock);
    }
    return states;
}

std::optional<HotKey> controlAltSuperL(const KeyboardMapping& keyboard,
                                       const ModifierMapping& modifiers) {
    const std::optional<quint8> keycode = keycodeForKeysym(keyboard, keysym::l);
    if (!keycode)
        return std::nullopt;
    // The usual bits stand in when the layout puts Alt or Super on no modifier at all.
    quint16 alt = modifierMaskFor(keyboard, modifiers, {keysym::altL, keysym::altR, keysym::metaL});
    quint16 super = modifierMaskFor(keyboard, modifiers, {keysym::superL, keysym::superR});
    if (alt == 0)
        alt = modifier::mod1;
    if (super == 0)
        super = modifier::mod4;
    return HotKey{*keycode, quint16(modifier::control | alt | super),
                  modifierMaskFor(keyboard, modifiers, {keysym::numLock})};
}

HotKeyPresses::Press HotKeyPresses::keyPressed(quint8 keycode, quint16 state) {
    const quint16 ignored = (modifier::lock | m_key.numLockMask) & ~m_key.modifiers;
    const quint16 pressed = state & modifier::allKeyboardModifiers & quint16(~ignored);
    if (keycode != m_key.keycode || pressed != m_key.modifiers)
        return Press::Other;
    const bool repeat = m_held;
    m_held = true;
    return repeat ? Press::Repeat : Press::Activation;
}

bool HotKeyPresses::keyReleased(quint8 keycode) {
    if (keycode != m_key.keycode || !m_held)
        return false;
    m_held = false;
    return true;
}

} // namespace tintmere::platform::x11
