// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "favoriteslibrary.h"
#include "singleinstance.h"
#include "terminationroutine.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Tintmere"_s);
    QApplication::setOrganizationName(u"Tintmere"_s);
    QApplication::setApplicationVersion(QStringLiteral(TINTMERE_VERSION));
    QApplication::setDesktopFileName(u"org.tintmere.Tintmere"_s);
    QApplication::setWindowIcon(QIcon::fromTheme(u"org.tintmere.Tintmere"_s));
    // Closing the main window leaves the program running; a new launch shows it again.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QApplication::translate("main", "A color palette, picker and converter."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(
        u"files"_s, QApplication::translate("main", "Palette (.tnp) or favorites (.tnf) files."),
        u"[files...]"_s);
    arguments.process(app); // --help and --version answer and exit here
    const QStringList files = arguments.positionalArguments();
    tintmere::SingleInstance instance(tintmere::SingleInstance::defaultServerName(),
                                      tintmere::FavoritesLibrary::standardPath() + u".lock"_s);
    switch (const auto launch = instance.handOverOrListen(files)) {
    case tintmere::SingleInstance::Launch::Listening:
        break;
    case tintmere::SingleInstance::Launch::HandedOver:
        return 0; // the running Tintmere shows itself and opens the files
    default: {
        // Never a second copy beside a running one: both would write the same library.
        const QString text = tintmere::SingleInstance::explanation(launch);
        std::fprintf(stderr, "tintmere: %s\n", qUtf8Printable(text));
        QMessageBox box(QMessageBox::Warning,
                        QApplication::translate("main", "Tintmere Already Running"), text);
        box.exec();
        return 1;
    }
    }

    tintmere::AppController controller;
    tintmere::TerminationRoutine termination(
        [&controller] { controller.applicationWillTerminate(); });
    termination.watchApplication(&app);
    tintmere::TerminationWatcher signalWatcher;
    termination.watchSignals(&signalWatcher);
    QObject::connect(controller.outlets().quit, &QAction::triggered, &termination,
                     &tintmere::TerminationRoutine::quit);

    QObject::connect(&instance, &tintmere::SingleInstance::activated, &controller,
                     [&controller](const QStringList& handedOver) {
                         controller.applicationShouldHandleReopen();
                         controller.openFiles(handedOver);
                     });

    controller.openMainWindow();
    controller.openFiles(files);
    const int status = QApplication::exec();
    if (termination.hasRun())
        controller.abandonLibraryForExit();
    return status;
}
