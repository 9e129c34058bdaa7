// SPDX-License-Identifier: GPL-3.0-or-later
#include "appcontroller.h"
#include "defaults.h"
#include "desktopcolorpicker.h"
#include "favoriteslibrary.h"
#include "pickmode.h"
#include "pointergrab.h"
#include "screencapture.h"
#include "screensnapshot.h"
#include "singleinstance.h"
#include "terminationroutine.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

using tintmere::SingleInstance;

// `--pick --print` with no Tintmere running: only pick mode, no main window, the library
// untouched; the settings are read for the hex variant and the loupe.
int pickAlone() {
    std::unique_ptr<tintmere::platform::ScreenCapture> capture =
        tintmere::platform::createScreenCapture();
    tintmere::PickMode pickMode([&capture] { return capture.get(); },
                                tintmere::platform::createPointerGrab());
    pickMode.setDesktop(tintmere::platform::createScreenSnapshot(),
                        tintmere::platform::createDesktopColorPicker());
    const tintmere::Defaults& defaults = tintmere::Defaults::standard();
    pickMode.setSettings(tintmere::PickSettings::fromDefaults(defaults));
    int status = 1;
    QObject::connect(
        &pickMode, &tintmere::PickMode::finished, &pickMode,
        [&status, &defaults](const tintmere::PickResult& result) {
            if (result.outcome == tintmere::PickResult::Outcome::Picked) {
                std::printf(
                    "%s\n",
                    tintmere::hexStringOfColor(result.color, defaults.formatSettings()).c_str());
                status = 0;
            } else if (!result.message.isEmpty()) {
                std::fprintf(stderr, "tintmere: %s\n", qUtf8Printable(result.message));
            }
            QCoreApplication::exit(status);
        });
    // Started from the event loop, so that a pick that cannot start still ends it.
    QTimer::singleShot(0, &pickMode, [&pickMode] { pickMode.start(); });
    QApplication::exec();
    return status;
}

// `--pick --print`: the running Tintmere picks, or this process alone.
int pickAndPrint(SingleInstance& instance) {
    QString text;
    switch (instance.pickFromRunningInstance(&text)) {
    case SingleInstance::PickAnswer::Picked:
        std::printf("%s\n", qUtf8Printable(text));
        return 0;
    case SingleInstance::PickAnswer::Cancelled:
        return 1;
    case SingleInstance::PickAnswer::Busy:
        std::fprintf(
            stderr, "tintmere: %s\n",
            qUtf8Printable(QApplication::translate("main", "A pick is already under way.")));
        return 1;
    case SingleInstance::PickAnswer::NotResponding:
        std::fprintf(
            stderr, "tintmere: %s\n",
            qUtf8Printable(SingleInstance::explanation(SingleInstance::Launch::NotResponding)));
        return 1;
    case SingleInstance::PickAnswer::NoInstance:
        break;
    }
    return pickAlone();
}

} // namespace

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
    const QCommandLineOption pickOption(
        u"pick"_s,
        QApplication::translate("main", "Pick a color from the screen into the selected well "
                                        "(in the running Tintmere, or after starting it)."));
    const QCommandLineOption printOption(
        u"print"_s,
        QApplication::translate("main", "With --pick: print the picked color's hex string "
                                        "instead; exit status 1 when the pick is cancelled."));
    arguments.addOption(pickOption);
    arguments.addOption(printOption);
    arguments.process(app); // --help and --version answer and exit here
    const QStringList files = arguments.positionalArguments();
    const bool pick = arguments.isSet(pickOption);
    if (arguments.isSet(printOption) && !pick) {
        std::fprintf(stderr, "tintmere: %s\n",
                     qUtf8Printable(QApplication::translate("main", "--print goes with --pick.")));
        return 2;
    }
    tintmere::SingleInstance instance(tintmere::SingleInstance::defaultServerName(),
                                      tintmere::FavoritesLibrary::standardPath() + u".lock"_s);
    if (pick && arguments.isSet(printOption))
        return pickAndPrint(instance);
    const auto action = pick ? SingleInstance::Action::Pick : SingleInstance::Action::Open;
    switch (const auto launch = instance.handOverOrListen(files, action)) {
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

    QObject::connect(&instance, &tintmere::SingleInstance::pickRequested, &controller,
                     [&controller](const SingleInstance::PickReply& reply) {
                         // The command bound to a key where the desktop has no global
                         // shortcuts: pressed again in pick mode, it acts as the hot key.
                         if (!reply && controller.pickMode()->isActive()) {
                             controller.pickMode()->lockOrPick();
                             return;
                         }
                         if (!reply) {
                             controller.pickColorFromScreen();
                             return;
                         }
                         const bool started =
                             controller.pickForCaller([reply](const std::optional<QString>& text) {
                                 reply(text ? SingleInstance::PickAnswer::Picked
                                            : SingleInstance::PickAnswer::Cancelled,
                                       text.value_or(QString()));
                             });
                         if (!started)
                             reply(SingleInstance::PickAnswer::Busy, {});
                     });

    controller.openMainWindow();
    controller.openFiles(files);
    if (pick)
        QTimer::singleShot(0, &controller, [&controller] { controller.pickColorFromScreen(); });
    const int status = QApplication::exec();
    if (termination.hasRun())
        controller.abandonLibraryForExit();
    return status;
}
