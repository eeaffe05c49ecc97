// The fixture of form tests against the virtual printer: a real engine bound to the library, the
// frame's services over it, recorded prompts, a fresh printer, and the forms created the way
// switchForm creates them. A test registers the forms it needs in `registry`.
#pragma once

#include "EngineFormServices.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/engine/Engine.h"
#include "core/features/common/FormRegistry.h"
#include "core/modules/CoreModules.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan::test {

class VirtualPrinterForms : public ::testing::Test {
protected:
    VirtualPrinterForms()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        tables::test::resetPrinter();
        registerCoreModules(engine);
    }

    // Creates the form of (group, item) in its mode, with its starting record and its place in
    // or out of the sealing sequence; null when no form is registered for the code.
    std::unique_ptr<QWidget> open(int group, int item) {
        const FormEntry* entry = registry.find(group, item);
        if (entry == nullptr)
            return nullptr;
        FormContext context{services,
                            group,
                            item,
                            entry->mode,
                            initialRecord(*entry, group, item, engine.commandFile()),
                            formRunsAlone(entry->mode, engine.sequenceStep)};
        return std::unique_ptr<QWidget>(entry->create(context));
    }
    template <typename T = QWidget> static T* child(QWidget* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    EngineFormServices services;
    FormRegistry registry;
};

} // namespace morvelan::test
