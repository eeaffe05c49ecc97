#include "core/base/StartupEnvironment.h"
#include "gui/app/CMorvelanApp.h"
#include "gui/app/SingleInstance.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    // Without a screen Qt would abort with a plug-in dump no technician can read.
    if (!morvelan::hasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                              std::getenv("QT_QPA_PLATFORM"))) {
        std::fprintf(stderr, "%s\n", morvelan::kNoDisplayMessage);
        return 1;
    }
    QApplication application(argc, argv);
    const auto files = morvelan::prepareProgramFiles();
    morvelan::SingleInstance instance(morvelan::instanceName(getuid(), files.dataDirectory));
    if (!instance.claim())
        return 0;
    morvelan::CMorvelanApp app(files);
    instance.setWindow(&app.mainFrame());
    app.show();
    return QApplication::exec();
}
