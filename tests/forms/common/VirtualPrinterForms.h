// The fixture of form tests against the virtual printer: the engine fixture, and the forms created
// the way switchForm creates them. A test registers the forms it needs in `registry`.
#pragma once

#include "VirtualPrinterEngine.h"
#include "core/features/common/FormRegistry.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan::test {

class VirtualPrinterForms : public VirtualPrinterEngine {
protected:
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

    FormRegistry registry;
};

} // namespace morvelan::test
