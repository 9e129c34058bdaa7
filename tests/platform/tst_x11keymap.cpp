// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "x11keymap.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using namespace tintmere::platform::x11;

namespace {

constexpr quint32 shiftL = 0xffe1, capsLock = 0xffe5, controlL = 0xffe3, hyperL = 0xffed,
                  upperL = 0x004c, k = 0x006b;

// A keyboard from (keycode, keysyms) pairs, two keysyms per keycode from keycode 8 on.
using Keys = QList<QPair<int, QList<quint32>>>;
// The keycodes of Shift, Lock, Control, Mod1 ... Mod5.
using Modifiers = QList<QList<int>>;

KeyboardMapping keyboard(const Keys& keys) {
    KeyboardMapping mapping{8, 2, std::vector<quint32>(2 * 248, 0)};
    for (const auto& [keycode, syms] : keys) {
        for (int column = 0; column < syms.size(); ++column)
            mapping.keysyms[std::size_t((keycode - 8) * 2 + column)] = syms[column];
    }
    return mapping;
}

ModifierMapping modifiers(const Modifiers& perModifier) {
    ModifierMapping mapping{2, std::vector<quint8>(16, 0)};
    for (int mod = 0; mod < perModifier.size(); ++mod) {
        for (int slot = 0; slot < perModifier[mod].size(); ++slot)
            mapping.keycodes[std::size_t(mod * 2 + slot)] = quint8(perModifier[mod][slot]);
    }
    return mapping;
}

// The usual US layout of an X server: L on 46, Alt on Mod1, Num Lock on Mod2, Super on Mod4.
const Keys usualKeys{{50, {shiftL}},
                     {66, {capsLock}},
                     {37, {controlL}},
                     {64, {keysym::altL, keysym::metaL}},
                     {77, {keysym::numLock}},
                     {133, {keysym::superL}},
                     {134, {keysym::superR}},
                     {207, {hyperL}},
                     {46, {keysym::l, upperL}},
                     {45, {k}}};
const Modifiers usualModifiers{{50}, {66}, {37}, {64}, {77}, {}, {133, 207}, {}};

constexpr quint16 control = modifier::control, mod1 = 1 << 3, mod2 = 1 << 4, mod3 = 1 << 5,
                  mod4 = 1 << 6, mod5 = 1 << 7;

} // namespace

Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(Modifiers)

using HotKeyOnLayoutRow = std::tuple<Keys, Modifiers, int, int, int>;

class TestX11Keymap : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hotKeyOnLayout_data() {
        const Rows<HotKeyOnLayoutRow> row; // keycode: 0: the layout has no L
        Keys lAlsoShifted = usualKeys;
        lAlsoShifted.append({30, {0x0061, keysym::l}});
        Keys lMoved = usualKeys;
        lMoved.removeIf([](const auto& key) { return key.first == 46; });
        lMoved.append({30, {upperL, keysym::l}});
        Keys noL = usualKeys;
        noL.removeIf([](const auto& key) { return key.first == 46; });

        row("usual layout", usualKeys, usualModifiers, 46, int(control | mod1 | mod4), int(mod2));
        row("Super on Mod3, Num Lock on Mod5", usualKeys,
            Modifiers{{50}, {66}, {37}, {64}, {}, {133}, {}, {77}}, 46, int(control | mod1 | mod3),
            int(mod5));
        row("only Super_R on a modifier", usualKeys,
            Modifiers{{50}, {66}, {37}, {64}, {77}, {}, {}, {134}}, 46, int(control | mod1 | mod5),
            int(mod2));
        row("Alt on Mod5 as Meta", usualKeys,
            Modifiers{{50}, {66}, {37}, {}, {77}, {}, {133}, {64}}, 46, int(control | mod5 | mod4),
            int(mod2));
        row("no Num Lock key", usualKeys, Modifiers{{50}, {66}, {37}, {64}, {}, {}, {133}, {}}, 46,
            int(control | mod1 | mod4), 0);
        row("Num Lock on Control is ignored", usualKeys,
            Modifiers{{50}, {66}, {37, 77}, {64}, {}, {}, {133}, {}}, 46,
            int(control | mod1 | mod4), 0);
        row("unshifted l preferred", lAlsoShifted, usualModifiers, 46, int(control | mod1 | mod4),
            int(mod2));
        row("l only shifted elsewhere", lMoved, usualModifiers, 30, int(control | mod1 | mod4),
            int(mod2));
        row("no L at all", noL, usualModifiers, 0, 0, 0);
        row("empty modifier table", usualKeys, Modifiers{}, 46, int(control | mod1 | mod4), 0);
    }
    void hotKeyOnLayout() {
        ROW(HotKeyOnLayoutRow, keys, mods, keycode, modifiers, numLock);
        const auto key = controlAltSuperL(keyboard(keys), ::modifiers(mods));
        QCOMPARE(key.has_value(), keycode != 0);
        if (!key)
            return;
        QCOMPARE(int(key->keycode), keycode);
        QCOMPARE(int(key->modifiers), modifiers);
        QCOMPARE(int(key->numLockMask), numLock);
    }
};

QTEST_MAIN(TestX11Keymap)
#include "tst_x11keymap.moc"
