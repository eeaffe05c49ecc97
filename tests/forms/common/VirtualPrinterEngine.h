// The fixture of tests against the virtual printer that need no window: a real engine bound to
// the library with every feature assembled, the frame's services over it, recorded prompts and a
// fresh printer.
#pragma once

#include "EngineFormServices.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/engine/Engine.h"
#include "core/modules/CoreModules.h"

#include <gtest/gtest.h>

namespace morvelan::test {

class VirtualPrinterEngine : public ::testing::Test {
protected:
    VirtualPrinterEngine()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        tables::test::resetPrinter();
        registerCoreModules(engine);
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    EngineFormServices services;
};

} // namespace morvelan::test
