// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a window of one colour, freezes the screens through the screen snapshot of the session
// and writes the frozen image to the file named by the argument; then prints what the screen
// capture and the hot key of the session say, and stays until killed, so that the test can
// compare the screen with the image. Exits non-zero with the message on failure.
#include "globalhotkey.h"
#include "screencapture.h"
#include "screensnapshot.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tintmere::platform;

namespace {

class ColorWindow final : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), QColor(0xe76f51));
    }
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: portal_screenshot_probe OUTPUT.png\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    ColorWindow window;
    window.setTitle(u"Portal probe"_s);
    window.resize(200, 150);
    window.show();

    const std::unique_ptr<GlobalHotKey> hotKey = createGlobalHotKey();
    bool hotKeySettled = false;
    QObject::connect(hotKey.get(), &GlobalHotKey::statusChanged, [&] { hotKeySettled = true; });
    const auto printStatus = [&] {
        std::printf("capture: %s\nhot key: %s\n",
                    qPrintable(createScreenCapture()->unavailableReason()),
                    qPrintable(hotKey->unavailableReason()));
        std::fflush(stdout);
    };
    const std::unique_ptr<ScreenSnapshot> snapshot = createScreenSnapshot();
    if (!snapshot) {
        std::fprintf(stderr, "no screen snapshot on the \"%s\" platform\n",
                     qPrintable(QGuiApplication::platformName()));
        return 2;
    }
    QObject::connect(
        snapshot.get(), &ScreenSnapshot::finished, &app, [&](const SnapshotResult& result) {
            if (result.status != SnapshotResult::Status::Taken) {
                std::fprintf(stderr, "%s\n", qPrintable(result.message));
                QCoreApplication::exit(1);
                return;
            }
            if (!result.screens.image.save(output)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
                QCoreApplication::exit(1);
                return;
            }
            std::printf("taken %dx%d\n", result.screens.image.width(),
                        result.screens.image.height());
            // The desktop may still be answering the hot key's registration.
            if (hotKeySettled)
                printStatus();
            else
                QObject::connect(hotKey.get(), &GlobalHotKey::statusChanged, printStatus);
        });
    // Time for the compositor to place and show the window.
    QTimer::singleShot(1500, snapshot.get(), &ScreenSnapshot::request);
    return app.exec();
}
