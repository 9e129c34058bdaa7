// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QMainWindow>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tintmere"_s);
    QApplication::setOrganizationName(u"Tintmere"_s);
    QApplication::setApplicationVersion(QStringLiteral(TINTMERE_VERSION));
    QApplication::setDesktopFileName(u"org.tintmere.Tintmere"_s);

    tintmere::SingleInstance instance;
    if (instance.handOverOrListen(QApplication::arguments().mid(1))) {
        return 0; // the running Tintmere shows itself and opens the files
    }
    tintmere::TerminationWatcher termination;
    QObject::connect(&termination, &tintmere::TerminationWatcher::terminationRequested, &app,
                     &QCoreApplication::quit);

    QMainWindow window;
    window.setWindowTitle(u"Tintmere"_s);
    window.resize(480, 360);
    QObject::connect(&instance, &tintmere::SingleInstance::activated, &window, [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return QApplication::exec();
}
