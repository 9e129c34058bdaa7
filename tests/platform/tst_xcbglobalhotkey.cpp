// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X server; the keys are pressed by xdotool, like a user would.
#include "globalhotkey.h"
#include "xcbsupport.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using tintmere::platform::GlobalHotKey;
namespace xcb = tintmere::platform::xcb;

namespace {

void xdotool(const QStringList& arguments) {
    if (arguments.isEmpty())
        return;
    QCOMPARE(QProcess::execute(qEnvironmentVariable("XDOTOOL"), arguments), 0);
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

    // Whether every state could be grabbed.
    bool grab(const std::vector<quint16>& states) {
        bool all = true;
        for (const quint16 state : states) {
            const xcb::Reply<xcb_generic_error_t> error(xcb_request_check(
                m_connection, xcb_grab_key_checked(m_connection, 0, m_root, state, m_key.keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
            all = all && !error;
        }
        return all;
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
const QStringList hotKey{u"key"_s, u"ctrl+alt+super+l"_s};

} // namespace

class TestXcbGlobalHotKey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    void pressesActivateOnce_data() {
        QTest::addColumn<QStringList>("lockKeys");
        QTest::addColumn<Presses>("presses");
        QTest::addColumn<int>("activations");
        const QStringList numLock{u"key"_s, u"Num_Lock"_s};
        const QStringList capsLock{u"key"_s, u"Caps_Lock"_s};
        const QStringList bothLocks{u"key"_s, u"Num_Lock"_s, u"Caps_Lock"_s};
        QTest::newRow("the hot key") << QStringList() << Presses{hotKey} << 1;
        QTest::newRow("twice") << QStringList() << Presses{hotKey, hotKey} << 2;
        QTest::newRow("with Num Lock on") << numLock << Presses{hotKey} << 1;
        QTest::newRow("with Caps Lock on") << capsLock << Presses{hotKey} << 1;
        QTest::newRow("with both locks on") << bothLocks << Presses{hotKey, hotKey} << 2;
        QTest::newRow("without Super")
            << QStringList() << Presses{QStringList{u"key"_s, u"ctrl+alt+l"_s}} << 0;
        QTest::newRow("with Shift as well")
            << QStringList() << Presses{QStringList{u"key"_s, u"ctrl+alt+super+shift+l"_s}} << 0;
        QTest::newRow("another letter")
            << numLock << Presses{QStringList{u"key"_s, u"ctrl+alt+super+k"_s}} << 0;
        QTest::newRow("held down: the repeated press does not toggle again")
            << QStringList()
            << Presses{QStringList{u"keydown"_s, u"ctrl+alt+super+l"_s},
                       QStringList{u"keydown"_s, u"l"_s},
                       QStringList{u"keyup"_s, u"ctrl+alt+super+l"_s}}
            << 1;
    }
    void pressesActivateOnce() {
        QFETCH(QStringList, lockKeys);
        QFETCH(Presses, presses);
        QFETCH(int, activations);
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

    void keyHeldByAnotherProgram_data() {
        QTest::addColumn<int>("heldVariant");
        QTest::newRow("plain") << 0;
        QTest::newRow("with Caps Lock") << 1;
        QTest::newRow("with Num Lock") << 2;
        QTest::newRow("with both locks") << 3;
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
        QVERIFY(!tintmere::platform::createGlobalHotKey()->isAvailable());
        other.ungrabAll();
        QVERIFY(tintmere::platform::createGlobalHotKey()->isAvailable());
    }
};

QTEST_MAIN(TestXcbGlobalHotKey)
#include "tst_xcbglobalhotkey.moc"
