// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X server; the keys are pressed by xdotool, like a user would.
#include "datarows.h"
#include "globalhotkey.h"
#include "xcbsupport.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QRasterWindow>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using testrows::row;
using testrows::Rows;
using tintmere::platform::GlobalHotKey;
namespace xcb = tintmere::platform::xcb;

namespace {

void xdotool(const QStringList& arguments) {
    if (arguments.isEmpty())
        return;
    QCOMPARE(QProcess::execute(qEnvironmentVariable("XDOTOOL", u"xdotool"_s), arguments), 0);
}

// Another X client, to hold keys the way another program would.
class OtherClient {
public:
    OtherClient()
        : m_connection(xcb_connect(nullptr, nullptr))
        , m_root(xcb::rootWindow(m_connection))
        , m_key(*xcb::controlAltSuperL(m_connection)) {}
    ~OtherClient() { xcb_disconnect(m_connection); }

    const tintmere::platform::x11::HotKey& key() const { return m_key; }

    // Whether every state of `keycode` (by default the one that types L) could be grabbed.
    bool grab(const std::vector<quint16>& states, quint8 keycode = 0) {
        bool all = true;
        for (const quint16 state : states) {
            const xcb::Reply<xcb_generic_error_t> error(xcb_request_check(
                m_connection, xcb_grab_key_checked(m_connection, 0, m_root, state,
                                                   keycode != 0 ? keycode : m_key.keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
            all = all && !error;
        }
        return all;
    }
    // Whether some other client holds the key in that state.
    bool isHeld(quint8 keycode, quint16 state) {
        if (!grab({state}, keycode))
            return true;
        ungrabAll();
        return false;
    }
    void ungrabAll() {
        xcb_ungrab_key(m_connection, XCB_GRAB_ANY, m_root, XCB_MOD_MASK_ANY);
        sync();
    }
    quint16 modifierState() {
        const xcb::Reply<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(
            m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
        return pointer ? pointer->mask & 0xff : 0;
    }

    // Shows a window of this client and gives it the keyboard focus.
    void focusNewWindow() {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 200, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(m_connection, window);
        sync();
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        sync();
    }

    // Swaps what two keys type, as a new keyboard layout would.
    void swapKeys(quint8 a, quint8 b) {
        const auto [first, last] = std::minmax(a, b);
        const auto count = quint8(last - first + 1);
        const xcb::Reply<xcb_get_keyboard_mapping_reply_t> current(xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, first, count), nullptr));
        const int width = current->keysyms_per_keycode;
        xcb_keysym_t* rows = xcb_get_keyboard_mapping_keysyms(current.get());
        std::swap_ranges(rows, rows + width, rows + (last - first) * width);
        xcb_change_keyboard_mapping(m_connection, count, first, quint8(width), rows);
        sync();
    }

private:
    void sync() {
        const xcb::Reply<xcb_get_input_focus_reply_t> reply(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    tintmere::platform::x11::HotKey m_key;
};

using Presses = QList<QStringList>;

// A window of ours that records the keys Qt hands it.
class KeyRecordingWindow : public QRasterWindow {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.append(event->key()); }
    void paintEvent(QPaintEvent*) override {}
};

const QStringList hotKey{u"key"_s, u"ctrl+alt+super+l"_s};

} // namespace

using PressesActivateOnceRow = std::tuple<QStringList, Presses, int>;

class TestXcbGlobalHotKey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    void pressesActivateOnce_data() {
        const Rows<PressesActivateOnceRow> row;
        const QStringList numLock{u"key"_s, u"Num_Lock"_s};
        const QStringList capsLock{u"key"_s, u"Caps_Lock"_s};
        const QStringList bothLocks{u"key"_s, u"Num_Lock"_s, u"Caps_Lock"_s};
        row("twice", QStringList(), Presses{hotKey, hotKey}, 2);
        row("with Num Lock on", numLock, Presses{hotKey}, 1);
        row("with Caps Lock on", capsLock, Presses{hotKey}, 1);
        row("with both locks on", bothLocks, Presses{hotKey, hotKey}, 2);
        row("without Super", QStringList(), Presses{QStringList{u"key"_s, u"ctrl+alt+l"_s}}, 0);
        row("with Shift as well", QStringList(),
            Presses{QStringList{u"key"_s, u"ctrl+alt+super+shift+l"_s}}, 0);
        row("another letter", numLock, Presses{QStringList{u"key"_s, u"ctrl+alt+super+k"_s}}, 0);
        row("held down: the repeated press does not toggle again", QStringList(),
            Presses{QStringList{u"keydown"_s, u"ctrl+alt+super+l"_s},
                    QStringList{u"keydown"_s, u"l"_s},
                    QStringList{u"keyup"_s, u"ctrl+alt+super+l"_s}},
            1);
    }
    void pressesActivateOnce() {
        ROW(PressesActivateOnceRow, lockKeys, presses, activations);
        const std::unique_ptr<GlobalHotKey> key = tintmere::platform::createGlobalHotKey();
        QVERIFY2(key->isAvailable(), qPrintable(key->unavailableReason()));
        QVERIFY(key->unavailableReason().isEmpty());
        QSignalSpy activated(key.get(), &GlobalHotKey::activated);

        OtherClient observer;
        const quint16 stateBefore = observer.modifierState();
        xdotool(lockKeys);
        if (!lockKeys.isEmpty())
            QVERIFY(observer.modifierState() != stateBefore);
        for (const QStringList& press : presses)
            xdotool(press);
        // A final real press: once it arrived, every earlier press has been seen.
        xdotool(hotKey);
        QTRY_COMPARE(activated.count(), activations + 1);
        QTest::qWait(100);
        QCOMPARE(activated.count(), activations + 1);

        xdotool(lockKeys);
        QCOMPARE(observer.modifierState(), stateBefore);
    }

    void deliveredWhateverHasTheFocus_data() {
        QTest::addColumn<QString>("focus");
        row("another program's window", u"other"_s);
        row("our own window", u"own"_s);
    }
    void deliveredWhateverHasTheFocus() {
        QFETCH(QString, focus);
        const std::unique_ptr<GlobalHotKey> key = tintmere::platform::createGlobalHotKey();
        QSignalSpy activated(key.get(), &GlobalHotKey::activated);
        OtherClient other;
        KeyRecordingWindow own;
        if (focus == u"other") {
            other.focusNewWindow();
        } else if (focus == u"own") {
            own.setGeometry(300, 300, 200, 200);
            own.show();
            own.requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(&own));
        }
        xdotool(hotKey);
        QTRY_COMPARE(activated.count(), 1);
        xdotool({u"key"_s, u"k"_s}); // reaches a focused window of ours: the presses were seen
        if (focus == u"own") {
            QTRY_VERIFY(own.keys.contains(Qt::Key_K));
            QVERIFY(!own.keys.contains(Qt::Key_L));
        }
        QCOMPARE(activated.count(), 1);
    }

    // A new layout may put L on another key; the grab follows it.
    void followsKeyboardLayoutChanges() {
        const std::unique_ptr<GlobalHotKey> key = tintmere::platform::createGlobalHotKey();
        QSignalSpy activated(key.get(), &GlobalHotKey::activated);
        OtherClient other;
        const quint8 lKey = other.key().keycode;
        const quint8 pKey = 33;
        const quint16 modifiers = other.key().modifiers;
        other.swapKeys(lKey, pKey);
        QTRY_VERIFY(other.isHeld(pKey, modifiers));
        QVERIFY(!other.isHeld(lKey, modifiers));
        xdotool(hotKey);
        QTRY_COMPARE(activated.count(), 1);

        other.swapKeys(lKey, pKey);
        QTRY_VERIFY(other.isHeld(lKey, modifiers));
        QVERIFY(!other.isHeld(pKey, modifiers));
        xdotool(hotKey);
        QTRY_COMPARE(activated.count(), 2);
    }

    void keyHeldByAnotherProgram_data() {
        QTest::addColumn<int>("heldVariant");
        row("plain", 0);
        row("with both locks", 3);
    }
    void keyHeldByAnotherProgram() {
        QFETCH(int, heldVariant);
        OtherClient other;
        const std::vector<quint16> states = other.key().grabbedModifierStates();
        QCOMPARE(states.size(), std::size_t(4)); // the server has a Num Lock key
        QVERIFY(other.grab({states[std::size_t(heldVariant)]}));
        {
            const std::unique_ptr<GlobalHotKey> key = tintmere::platform::createGlobalHotKey();
            QVERIFY(!key->isAvailable());
            QCOMPARE(key->unavailableReason(), u"Another program is using Ctrl+Alt+Super+L."_s);
            QSignalSpy activated(key.get(), &GlobalHotKey::activated);
            other.ungrabAll();
            xdotool(hotKey);
            QTest::qWait(200);
            QCOMPARE(activated.count(), 0);
        }
        // What the failed attempt grabbed was let go of: another program can take it all.
        OtherClient third;
        QVERIFY(third.grab(states));
        third.ungrabAll();
    }

    void releasedWhenDestroyed() {
        const std::vector<quint16> states = OtherClient().key().grabbedModifierStates();
        {
            const std::unique_ptr<GlobalHotKey> key = tintmere::platform::createGlobalHotKey();
            QVERIFY(key->isAvailable());
            QVERIFY(!OtherClient().grab(states));
        }
        OtherClient other;
        QVERIFY(other.grab(states));
        other.ungrabAll();
    }
};

QTEST_MAIN(TestXcbGlobalHotKey)
#include "tst_xcbglobalhotkey.moc"
