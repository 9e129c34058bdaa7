// SPDX-License-Identifier: GPL-3.0-or-later
#include "displaysession.h"

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
        QTest::addColumn<DisplaySession>("expected");

        QTest::newRow("X server") << u"xcb"_s << QStringList{u"DISPLAY=:0"_s}
                                  << DisplaySession::X11;
        QTest::newRow("X11 session type")
            << u"xcb"_s << QStringList{u"XDG_SESSION_TYPE=x11"_s} << DisplaySession::X11;
        QTest::newRow("empty Wayland display is no Wayland")
            << u"xcb"_s << QStringList{u"WAYLAND_DISPLAY="_s} << DisplaySession::X11;
        QTest::newRow("Wayland plugin") << u"wayland"_s << QStringList{} << DisplaySession::Wayland;
        QTest::newRow("Wayland EGL plugin")
            << u"wayland-egl"_s << QStringList{u"XDG_SESSION_TYPE=wayland"_s}
            << DisplaySession::Wayland;
        QTest::newRow("XWayland by display")
            << u"xcb"_s << QStringList{u"DISPLAY=:1"_s, u"WAYLAND_DISPLAY=wayland-1"_s}
            << DisplaySession::XWayland;
        QTest::newRow("XWayland by session type")
            << u"xcb"_s << QStringList{u"XDG_SESSION_TYPE=Wayland"_s} << DisplaySession::XWayland;
        QTest::newRow("offscreen in a Wayland session")
            << u"offscreen"_s << QStringList{u"WAYLAND_DISPLAY=wayland-0"_s}
            << DisplaySession::Other;
        QTest::newRow("framebuffer") << u"linuxfb"_s << QStringList{} << DisplaySession::Other;
    }
    void detects() {
        QFETCH(QString, platform);
        QFETCH(QStringList, environment);
        QFETCH(DisplaySession, expected);
        QProcessEnvironment env;
        for (const QString& entry : environment)
            env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        QCOMPARE(tintmere::platform::detectDisplaySession(platform, env), expected);
    }
};

QTEST_GUILESS_MAIN(TestDisplaySession)
#include "tst_displaysession.moc"
