// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

// The keyboard tables of an X server, as plain data, and what the hot key needs from them:
// which key types a letter and which modifier bits the Alt, Super and Num Lock keys set.
// Layouts differ, so nothing here assumes the usual keycodes or Mod2/Mod4.
namespace tintmere::platform::x11 {

namespace keysym {
constexpr quint32 l = 0x006c;
constexpr quint32 numLock = 0xff7f;
constexpr quint32 altL = 0xffe9;
constexpr quint32 altR = 0xffea;
constexpr quint32 metaL = 0xffe7;
constexpr quint32 superL = 0xffeb;
constexpr quint32 superR = 0xffec;
} // namespace keysym

namespace modifier {
constexpr quint16 shift = 1 << 0;
constexpr quint16 lock = 1 << 1;
constexpr quint16 control = 1 << 2;
constexpr quint16 mod1 = 1 << 3;
constexpr quint16 mod4 = 1 << 6;
constexpr quint16 allKeyboardModifiers = 0xff;
} // namespace modifier

// The server's keysyms: keysymsPerKeycode columns for each keycode from minKeycode on.
struct KeyboardMapping {
    int minKeycode = 8;
    int keysymsPerKeycode = 0;
    std::vector<quint32> keysyms;
};

// The keycodes on each of the eight modifiers (Shift, Lock, Control, Mod1 to Mod5).
struct ModifierMapping {
    int keycodesPerModifier = 0;
    std::vector<quint8> keycodes; // 0 marks an unused slot
};

// The keycode that types `sym`, preferring one where it needs no Shift or group change.
std::optional<quint8> keycodeForKeysym(const KeyboardMapping& keyboard, quint32 sym);

// The modifier bit set by a key that carries any of `syms`, or 0 when none does. Only
// Mod1 to Mod5 are looked at: Shift, Lock and Control are fixed.
quint16 modifierMaskFor(const KeyboardMapping& keyboard, const ModifierMapping& modifiers,
                        std::initializer_list<quint32> syms);

// Control+Alt+Super+L on this keyboard.
struct HotKey {
    quint8 keycode = 0;
    quint16 modifiers = 0;
    quint16 numLockMask = 0; // 0 when no key is Num Lock

    bool operator==(const HotKey&) const = default;

    // The modifier states to grab so that the key works whatever Num Lock and Caps Lock are.
    std::vector<quint16> grabbedModifierStates() const;
};
std::optional<HotKey> controlAltSuperL(const KeyboardMapping& keyboard,
                                       const ModifierMapping& modifiers);

// Turns the grabbed key's presses and releases into one activation per press: a key held
// down repeats its press events, which must not toggle again.
class HotKeyPresses {
public:
    explicit HotKeyPresses(HotKey key)
        : m_key(key) {}

    enum class Press { Other, Activation, Repeat };
    Press keyPressed(quint8 keycode, quint16 state);
    // Whether the release ends a press of the hot key.
    bool keyReleased(quint8 keycode);

private:
    HotKey m_key;
    bool m_held = false;
};

} // namespace tintmere::platform::x11
