#include "CMorvelanApp.h"
#include "StartupEnvironment.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Without a screen Qt would abort with a plug-in dump no technician can read.
    if (!morvelan::hasDisplay(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                              std::getenv("QT_QPA_PLATFORM"))) {
        std::fprintf(stderr, "%s\n", morvelan::kNoDisplayMessage);
        return 1;
    }
    QApplication application(argc, argv);
    const auto directory = morvelan::programDirectory(
        std::getenv("MORVELAN_HOME"), QCoreApplication::applicationDirPath().toStdString());
    morvelan::CMorvelanApp app(directory);
    app.show();
    return QApplication::exec();
}
