// The three key forms offscreen, over the engine and the virtual printer, and the start of a
// key generation after a change of user.
#include "gui/forms/keys/KeyForms.h"
#include "EngineFormServices.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"
#include "core/engine/Engine.h"
#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyOperations.h"
#include "core/features/keys/KeyRecordFile.h"
#include "core/modules/CoreModules.h"
#include "gui/forms/keys/CRightView_03_01.h"
#include "gui/forms/keys/CRightView_03_02.h"
#include "gui/forms/keys/CRightView_03_03.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan::keys::test {
namespace {

using morvelan::tables::test::editPrinter;
using morvelan::tables::test::printer;

using EngineServices = morvelan::test::EngineFormServices;

class KeyForms : public ::testing::Test {
protected:
    KeyForms()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        morvelan::tables::test::resetPrinter();
        registerCoreModules(engine);
        registerKeyForms(registry);
    }

    template <typename Form> std::unique_ptr<Form> open(int item) {
        const FormEntry* entry = registry.find(3, item);
        EXPECT_NE(entry, nullptr);
        FormContext context{services, 3, item, entry->mode, FormRecord(entry->recordSize, '\0')};
        std::unique_ptr<Form> form(dynamic_cast<Form*>(entry->create(context)));
        EXPECT_NE(form, nullptr);
        EXPECT_EQ(form->objectName().toStdString(), entry->formClass);
        form->show();
        return form;
    }

    void shipHistory() {
        ASSERT_TRUE(replaceFileAtomically(keyHistoryPath(programDir.path()),
                                          std::string(kHistoryFileSize, '\0')));
    }

    morvelan::test::TempDir programDir, dataDir;
    morvelan::test::RecordingPrompts prompts;
    morvelan::test::RecordingFrame frame;
    Engine engine;
    EngineServices services;
    FormRegistry registry;
};

TEST_F(KeyForms, GenerationWithoutHistoryShowsTheWarningAndNoSend) {
    auto form = open<CRightView_03_01>(1);
    EXPECT_TRUE(form->missingFilesText()->isVisible());
    EXPECT_EQ(form->missingFilesText()->text().toStdString(), kMissingSystemFilesText);
    EXPECT_FALSE(form->sendButton()->isVisible());
}

TEST_F(KeyForms, GenerationAsksAndLoadsAKeyOnlyOnYes) {
    shipHistory();
    auto form = open<CRightView_03_01>(1);
    EXPECT_FALSE(form->missingFilesText()->isVisible());
    ASSERT_TRUE(form->sendButton()->isVisible());

    prompts.answers = {false};
    form->sendButton()->click();
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].kind, "yesno");
    EXPECT_EQ(prompts.messages[0].title, kAlertTitle);
    EXPECT_EQ(prompts.messages[0].text, kKeyGenerationQuestion);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Question);
    EXPECT_EQ(printer().key.state, korva::KeyState::None);

    prompts.answers = {true};
    form->sendButton()->click();
    EXPECT_EQ(printer().key.state, korva::KeyState::Loaded);
    EXPECT_EQ(engine.resultRecords[0].resultCode, 0);
}

TEST_F(KeyForms, EnableAndReadingAppendToTheKeyFileWhosePathIsShown) {
    shipHistory();
    ASSERT_TRUE(engine.ensurePrinter());
    ASSERT_TRUE(startKeyGeneration(services, 0));

    auto enable = open<CRightView_03_02>(2);
    enable->sendButton()->click();
    EXPECT_EQ(printer().key.state, korva::KeyState::Enabled);

    auto reading = open<CRightView_03_03>(3);
    const std::string path = keyRecordPath(programDir.path());
    EXPECT_EQ(reading->pathText()->text().toStdString(), "CAMINHO DO ARQUIVO = [ " + path + " ]");
    reading->sendButton()->click();
    const std::string file = readWholeFile(path).value_or("");
    ASSERT_EQ(file.size(), 2 * kKeyRecordSize);
    EXPECT_EQ(file.substr(38, 262), printer().key.publicKey);
    EXPECT_EQ(file.substr(kKeyRecordSize, kKeyRecordSize), file.substr(0, kKeyRecordSize));
}

TEST_F(KeyForms, ChangeOfUserStartsGenerationOnlyOnThirdGeneration) {
    editPrinter(
        [](korva::PrinterState& s) { s = korva::factoryState(*korva::findModel("qp-l30")); });
    ASSERT_TRUE(engine.ensurePrinter());
    EXPECT_FALSE(startKeyGeneration(services, 0));
    EXPECT_EQ(frame.count("showResponsePanel"), 0);
    EXPECT_EQ(printer().key.state, korva::KeyState::None);
}

} // namespace
} // namespace morvelan::keys::test
