// SPDX-License-Identifier: GPL-3.0-or-later
#include "globalhotkey.h"
#include "platformreasons.h"
#include "screencapture.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
namespace platform = tintmere::platform;

class TestBackendChoice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Where the screen cannot be read, the magnifier gets nothing and the user a reason.
    void noCaptureOffX11() {
        QCOMPARE(QGuiApplication::platformName(), u"offscreen"_s);
        const auto capture = platform::createScreenCapture();
        QVERIFY(!capture->isAvailable());
        QCOMPARE(capture->unavailableReason(),
                 u"The screen cannot be read on the \"offscreen\" display platform."_s);
        QVERIFY(capture->captureAround(capture->pointerPosition(), 7).isNull());
    }

    void noHotKeyOffX11() {
        const auto key = platform::createGlobalHotKey();
        QVERIFY(!key->isAvailable());
        QCOMPARE(key->unavailableReason(),
                 u"Global shortcuts are not available on the "
                 u"\"offscreen\" display platform; use the Tools menu."_s);
    }

    void reasonsPerPlatform_data() {
        QTest::addColumn<QString>("platformName");
        QTest::addColumn<QString>("captureReason");
        QTest::addColumn<QString>("hotKeyReason");
        const QString waylandCapture = u"The screen cannot be read in this Wayland session."_s;
        const QString waylandHotKey =
            u"Global shortcuts are not available in this Wayland session; use the Tools menu."_s;
        QTest::newRow("wayland") << u"wayland"_s << waylandCapture << waylandHotKey;
        QTest::newRow("wayland-egl") << u"wayland-egl"_s << waylandCapture << waylandHotKey;
        QTest::newRow("eglfs") << u"eglfs"_s
                               << u"The screen cannot be read on the \"eglfs\" display platform."_s
                               << u"Global shortcuts are not available on the \"eglfs\" display "
                                  u"platform; use the Tools menu."_s;
    }
    void reasonsPerPlatform() {
        QFETCH(QString, platformName);
        QFETCH(QString, captureReason);
        QFETCH(QString, hotKeyReason);
        QCOMPARE(platform::reasons::captureUnsupported(platformName), captureReason);
        QCOMPARE(platform::reasons::hotKeyUnsupported(platformName), hotKeyReason);
    }
};

QTEST_MAIN(TestBackendChoice)
#include "tst_backendchoice.moc"
