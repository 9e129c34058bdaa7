// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysession.h"
#include "platformreasons.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using tintmere::platform::DisplaySession;

Q_DECLARE_METATYPE(DisplaySession)

class TestDisplaySession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void detects_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("xwaylandExtension"); // -1: no connection to ask
        QTest::addColumn<DisplaySession>("expected");

        QTest::newRow("X server") << u"xcb"_s << QStringList{u"DISPLAY=:0"_s} << -1
                                  << DisplaySession::X11;
        QTest::newRow("X11 session type")
            << u"xcb"_s << QStringList{u"XDG_SESSION_TYPE=x11"_s} << -1 << DisplaySession::X11;
        QTest::newRow("empty Wayland display is no Wayland")
            << u"xcb"_s << QStringList{u"WAYLAND_DISPLAY="_s} << -1 << DisplaySession::X11;
        QTest::newRow("Wayland plugin")
            << u"wayland"_s << QStringList{} << -1 << DisplaySession::Wayland;
        QTest::newRow("Wayland EGL plugin")
            << u"wayland-egl"_s << QStringList{u"XDG_SESSION_TYPE=wayland"_s} << -1
            << DisplaySession::Wayland;
        QTest::newRow("XWayland by display")
            << u"xcb"_s << QStringList{u"DISPLAY=:1"_s, u"WAYLAND_DISPLAY=wayland-1"_s} << -1
            << DisplaySession::XWayland;
        QTest::newRow("XWayland by session type")
            << u"xcb"_s << QStringList{u"XDG_SESSION_TYPE=Wayland"_s} << -1
            << DisplaySession::XWayland;
        QTest::newRow("offscreen in a Wayland session")
            << u"offscreen"_s << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s} << -1
            << DisplaySession::Other;
        QTest::newRow("XWayland by its extension")
            << u"xcb"_s << QStringList{} << 1 << DisplaySession::XWayland;
        QTest::newRow("Xvfb inside a Wayland session")
            << u"xcb"_s
            << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s, u"XDG_SESSION_TYPE=wayland"_s} << 0
            << DisplaySession::X11;
        QTest::newRow("framebuffer")
            << u"linuxfb"_s << QStringList{} << -1 << DisplaySession::Other;
    }
    void detects() {
        QFETCH(QString, platform);
        QFETCH(QStringList, environment);
        QFETCH(int, xwaylandExtension);
        QFETCH(DisplaySession, expected);
        QProcessEnvironment env;
        for (const QString& entry : environment)
            env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        const auto server =
            xwaylandExtension < 0 ? std::nullopt : std::optional<bool>(xwaylandExtension == 1);
        QCOMPARE(tintmere::platform::detectDisplaySession(platform, env, server), expected);
    }

    // Each desktop's own way, found by name in XDG_CURRENT_DESKTOP's list.
    void keepAboveHints_data() {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("says");
        QTest::newRow("GNOME under Ubuntu") << u"ubuntu:GNOME"_s << u"Always on Top"_s;
        QTest::newRow("KDE Plasma") << u"KDE"_s << u"Keep Above Others"_s;
        QTest::newRow("sway")
            << u"sway"_s
            << u"for_window [app_id=\"org.tintmere.Tintmere\" title=\"^Tintmere Global Panel$\"] "
               "floating enable, sticky enable"_s;
        QTest::newRow("Hyprland")
            << u"Hyprland"_s
            << u"windowrulev2 = pin, class:^(org.tintmere.Tintmere)$, title:^(Tintmere Global Panel)$"_s;
        QTest::newRow("unknown") << u"X-Generic"_s << u"window rule for the title"_s;
        QTest::newRow("none") << QString() << u"The help tells how"_s;
    }
    void keepAboveHints() {
        QFETCH(QString, desktop);
        QFETCH(QString, says);
        const QString hint = tintmere::platform::reasons::keepAboveOnWayland(
            desktop, u"org.tintmere.Tintmere"_s, u"Tintmere Global Panel"_s);
        QVERIFY2(hint.contains(says), qPrintable(hint));
    }
};

QTEST_GUILESS_MAIN(TestDisplaySession)
#include "tst_displaysession.moc"
