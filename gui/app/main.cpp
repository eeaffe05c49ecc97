#include "core/base/StartupEnvironment.h"
#include "gui/app/CMorvelanApp.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/TerminationSignals.h"
#ifdef MORVELAN_STARTUP_PROBE
#include "gui/app/AfterFirstPaint.h"
#endif

#include <QApplication>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    if (const auto answer = morvelan::terminalAnswer({argv, std::size_t(argc)}, MORVELAN_VERSION)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    // Without a screen Qt would abort with a plug-in dump no technician can read.
    if (!morvelan::hasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                              std::getenv("QT_QPA_PLATFORM"))) {
        std::fprintf(stderr, "%s\n", morvelan::kNoDisplayMessage);
        return 1;
    }
    QApplication application(argc, argv);
    // Caught from the start, so that a session ending while the program opens leaves nothing
    // behind either; the signal is acted on once the event loop runs. The window is then closed
    // as "Sair" closes it, and QApplication::quit also ends a message box waiting for an answer.
    morvelan::CMorvelanApp* running = nullptr;
    const morvelan::TerminationSignals termination([&running] {
        if (running != nullptr)
            running->mainFrame().close();
        QApplication::quit();
    });
    const auto files = morvelan::prepareProgramFiles();
    morvelan::SingleInstance instance(morvelan::instanceName(getuid(), files.dataDirectory));
    if (!instance.claim())
        return 0;
    morvelan::CMorvelanApp app(files);
    running = &app;
    instance.setWindow(&app.mainFrame());
    app.show();
#ifdef MORVELAN_STARTUP_PROBE
    // Watched after the program's own first-paint work, so it ends before that work runs.
    morvelan::afterFirstPaint(app.mainFrame(), [] { std::_Exit(0); });
#endif
    return QApplication::exec();
}
