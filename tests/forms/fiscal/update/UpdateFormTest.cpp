// The update form offscreen over the engine and the virtual printer: its printer line, the
// directory it reads the files from, and "Enviar" taking the printer to the new version.
#include "EngineFormServices.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "UpdateFiles.h"
#include "VirtualPrinterState.h"
#include "gui/forms/update/CRightView_01_16.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <thread>

namespace morvelan {
void registerUpdateForms(FormRegistry& registry);

namespace {

TEST(UpdateForm, SendUpdatesThePrinterAndNamesItOnTheForm) {
    test::TempDir programDir, dataDir, filesDir;
    test::RecordingPrompts prompts;
    test::RecordingFrame frame;
    Engine engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                  frame, programDir.path());
    test::EngineFormServices services(engine);
    tables::test::editPrinter(
        [](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel("qp-l20")); });
    update::test::makeUpdateFile(filesDir.path(), "V005");

    FormRegistry registry;
    registerUpdateForms(registry);
    const FormEntry* entry = registry.find(5, 1);
    ASSERT_NE(entry, nullptr);
    FormContext context{services, 5, 1, entry->mode, {}};
    std::unique_ptr<QWidget> widget(entry->create(context));
    auto* form = dynamic_cast<CRightView_01_16*>(widget.get());
    ASSERT_NE(form, nullptr);
    update::UpdateHooks hooks = form->hooks();
    EXPECT_FALSE(hooks.directory.empty()); // the current directory by default
    hooks.directory = filesDir.path();
    hooks.pause = [](int) {};
    hooks.wait = [](const UpdateProgress& progress) {
        while (progress.done.load() == 0) {
            std::this_thread::yield();
        }
    };
    form->setHooks(hooks);
    EXPECT_TRUE(form->findChild<QLabel*>(QStringLiteral("updateDirectory"))
                    ->text()
                    .contains(QString::fromStdString(filesDir.path())));

    prompts.answers = {false, true}; // no backup first; confirmed
    form->findChild<QPushButton*>(QStringLiteral("sendButton"))->click();
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_NE(prompts.messages.back().text.find("Operação Finalizada com sucesso."),
              std::string::npos);
    EXPECT_EQ(tables::test::printer().version, "1.02 BRF");
    const auto* line = form->findChild<QLabel*>(QStringLiteral("printerLine0"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text().toStdString(),
              "Iniciar Impressão ( " + engine.modelName[0] + " :: " + engine.portName[0] + " ):");
}

} // namespace
} // namespace morvelan
