// SPDX-License-Identifier: GPL-3.0-or-later
#include "datarows.h"
#include "displaysession.h"
#include "platformreasons.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using tintmere::platform::DisplaySession;

using testrows::Rows;

Q_DECLARE_METATYPE(DisplaySession)

using DetectsRow = std::tuple<QString, QStringList, int, DisplaySession>;
using HintRow = std::tuple<QString, QString>;

class TestDisplaySession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void detects_data() {
        const Rows<DetectsRow> row; // xwaylandExtension -1: no connection to ask
        const auto X11 = DisplaySession::X11, XWayland = DisplaySession::XWayland;
        row("X server", u"xcb"_s, QStringList{u"DISPLAY=:0"_s}, -1, X11);
        row("empty Wayland display is no Wayland", u"xcb"_s, QStringList{u"WAYLAND_DISPLAY="_s}, -1,
            X11);
        row("Wayland plugin", u"wayland"_s, QStringList{}, -1, DisplaySession::Wayland);
        row("Wayland EGL plugin", u"wayland-egl"_s, QStringList{u"XDG_SESSION_TYPE=wayland"_s}, -1,
            DisplaySession::Wayland);
        row("XWayland by display", u"xcb"_s,
            QStringList{u"DISPLAY=:1"_s, u"WAYLAND_DISPLAY=wayland-1"_s}, -1, XWayland);
        row("XWayland by session type", u"xcb"_s, QStringList{u"XDG_SESSION_TYPE=Wayland"_s}, -1,
            XWayland);
        row("offscreen in a Wayland session", u"offscreen"_s,
            QStringList{u"WAYLAND_DISPLAY=wayland-0"_s}, -1, DisplaySession::Other);
        row("XWayland by its extension", u"xcb"_s, QStringList{}, 1, XWayland);
        row("Xvfb inside a Wayland session", u"xcb"_s,
            QStringList{u"WAYLAND_DISPLAY=wayland-0"_s, u"XDG_SESSION_TYPE=wayland"_s}, 0, X11);
        row("framebuffer", u"linuxfb"_s, QStringList{}, -1, DisplaySession::Other);
    }
    void detects() {
        ROW(DetectsRow, platform, environment, xwaylandExtension, expected);
        QProcessEnvironment env;
        for (const QString& entry : environment)
            env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        const auto server =
            xwaylandExtension < 0 ? std::nullopt : std::optional<bool>(xwaylandExtension == 1);
        QCOMPARE(tintmere::platform::detectDisplaySession(platform, env, server), expected);
    }

    // Each desktop's own way, found by name in XDG_CURRENT_DESKTOP's list.
    void keepAboveHints_data() {
        const Rows<HintRow> row;
        row("GNOME under Ubuntu", u"ubuntu:GNOME"_s, u"Always on Top"_s);
        row("KDE Plasma", u"KDE"_s, u"Keep Above Others"_s);
        row("sway", u"sway"_s, u"for_window [app_id=\"org.tintmere.Tintmere\" title="_s);
        row("Hyprland", u"Hyprland"_s, u"class:^(org.tintmere.Tintmere)$, title:^(Tintmere"_s);
        row("unknown", u"X-Generic"_s, u"window rule for the title"_s);
        row("none", QString(), u"The help tells how"_s);
    }
    void keepAboveHints() {
        ROW(HintRow, desktop, says);
        const QString hint = tintmere::platform::reasons::keepAboveOnWayland(
            desktop, u"org.tintmere.Tintmere"_s, u"Tintmere Global Panel"_s);
        QVERIFY2(hint.contains(says), qPrintable(hint));
    }
};

QTEST_GUILESS_MAIN(TestDisplaySession)
#include "tst_displaysession.moc"
