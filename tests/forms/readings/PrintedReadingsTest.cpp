// The printed readings' blocks, then their forms over the engine and the virtual printer, read
// back from the printer's paper roll.
#include "core/features/readings/PrintedReadings.h"
#include "EngineFormServices.h"
#include "PaperRoll.h"
#include "TestDoubles.h"
#include "VirtualPrinterState.h"
#include "core/base/RequestBytes.h"
#include "core/modules/CoreModules.h"
#include "gui/forms/readings/PrintedReadingForms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace morvelan::test {
namespace {

using tables::test::editPrinter;
using tables::test::resetPrinter;
using tables::test::StateEnvironment;

TEST(PrintedReadingBlocks, FieldsSitAtTheirOffsetsAndTheReductionKeepsEightZeroBytes) {
    FormRecord rz(kZReductionRecordSize, '\x7f');
    putZReduction(rz, {"12032026", "100500", 1});
    EXPECT_EQ(std::string(rz.data(), 16), std::string("12032026\0"
                                                      "100500\0",
                                                      16));
    EXPECT_EQ(intAt(rz, 16), 1);
    EXPECT_EQ(std::string(rz.data() + 20, 8), std::string(8, '\0'));
    EXPECT_EQ(zReductionIn(rz).time, "100500");

    FormRecord lmf(kFiscalMemoryRecordSize, '\0');
    putFiscalMemoryReading(lmf, {"01032026", "12032026", 1, 1});
    EXPECT_EQ(recordText(lmf, 9, 9), "12032026");
    EXPECT_EQ(intAt(lmf, 20), 1);
    EXPECT_EQ(intAt(lmf, 24), 1);
    FormRecord mfd(kDetailMemoryRecordSize, '\0');
    putDetailMemoryReading(mfd, {"1", "9", -1, 2});
    EXPECT_EQ(detailMemoryReadingIn(mfd).rangeType, 2);
    EXPECT_EQ(detailMemoryReadingIn(mfd).end, "9");
}

class PrintedReadingForms : public ::testing::Test {
protected:
    PrintedReadingForms()
        : engine(bindLibrary(MORVELAN_LIBRARY_DIR, libraryLogDirectory(dataDir.path())), prompts,
                 frame, programDir.path()),
          services(engine) {
        resetPrinter();
        korva::paper::clear(korva::paper::rollPath(StateEnvironment::path()));
        registerCoreModules(engine);
        registerPrintedReadingForms(registry);
    }
    std::unique_ptr<QWidget> open(int item) {
        const FormEntry* entry = registry.find(8, item);
        FormContext context{services, 8, item, entry->mode,
                            initialRecord(*entry, 8, item, engine.commandFile())};
        return std::unique_ptr<QWidget>(entry->create(context));
    }
    template <typename T> static T* child(QWidget* form, const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    static void send(QWidget* form) { child<QPushButton>(form, "sendButton")->click(); }
    static std::vector<std::string> roll() {
        return korva::paper::documents(korva::paper::rollPath(StateEnvironment::path()));
    }
    static bool has(const std::string& document, const char* part) {
        return document.find(part) != std::string::npos;
    }

    TempDir programDir, dataDir;
    RecordingPrompts prompts;
    RecordingFrame frame;
    Engine engine;
    EngineFormServices services;
    FormRegistry registry;
};

TEST_F(PrintedReadingForms, EachReadingPrintsOneDocumentAsTheFormsAskedForIt) {
    send(open(5).get());
    send(open(1).get());
    auto lmf = open(3);
    child<QLineEdit>(lmf.get(), "rangeStart")->setText(QStringLiteral("01012026"));
    child<QLineEdit>(lmf.get(), "rangeEnd")->setText(QStringLiteral("31122026"));
    child<QComboBox>(lmf.get(), "printType")->setCurrentIndex(1);
    child<QComboBox>(lmf.get(), "rangeType")->setCurrentIndex(1);
    send(lmf.get());
    auto mfd = open(4);
    child<QLineEdit>(mfd.get(), "rangeStart")->setText(QStringLiteral("000001"));
    child<QLineEdit>(mfd.get(), "rangeEnd")->setText(QStringLiteral("000003"));
    child<QComboBox>(mfd.get(), "rangeType")->setCurrentIndex(2);
    send(mfd.get());
    auto rz = open(2);
    EXPECT_EQ(child<QComboBox>(rz.get(), "action")->currentIndex(), kKeepDaylightSaving);
    send(rz.get());

    const auto documents = roll();
    ASSERT_EQ(documents.size(), 5U);
    EXPECT_TRUE(has(documents[0], "ABERTURA DE JORNADA FISCAL"));
    EXPECT_TRUE(has(documents[1], "LEITURA X"));
    EXPECT_TRUE(has(documents[2], "MODO SIMPLIFICADO")); // mode 7
    EXPECT_TRUE(has(documents[2], "Faixa em DATA:"));
    EXPECT_TRUE(has(documents[3], "Faixa em COO:")); // the third function
    EXPECT_TRUE(has(documents[3], "000001 a 000003"));
    EXPECT_TRUE(has(documents[4], "REDUÇÃO Z"));
}

TEST_F(PrintedReadingForms, StoredBlocksPrefillTheFormsAndRzKeepsDaylightSaving) {
    FormRecord block(kZReductionRecordSize, '\0');
    putZReduction(block, {"01022026", "101010", 0});
    engine.commandFile().writeCommandFile(8, 2, block);
    FormRecord range(kDetailMemoryRecordSize, '\0');
    putDetailMemoryReading(range, {"5", "7", -1, 1});
    engine.commandFile().writeCommandFile(8, 4, range);

    auto rz = open(2);
    EXPECT_EQ(child<QLineEdit>(rz.get(), "date")->text(), QStringLiteral("01022026"));
    EXPECT_EQ(child<QLineEdit>(rz.get(), "time")->maxLength(), 6);
    EXPECT_EQ(child<QComboBox>(rz.get(), "action")->currentText(),
              QString::fromUtf8("Não alterar o estado atual"));
    EXPECT_EQ(child<QComboBox>(rz.get(), "action")->itemText(1),
              QString::fromUtf8("Entar em Horário de Verão"));
    auto mfd = open(4);
    EXPECT_EQ(child<QLineEdit>(mfd.get(), "rangeEnd")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QComboBox>(mfd.get(), "rangeType")->currentText(),
              QStringLiteral("Faixa em Data"));
}

TEST_F(PrintedReadingForms, RefusedPrintLeavesTheRollAsItWas) {
    editPrinter([](korva::PrinterState& s) { s.mechanics.paper = korva::Paper::Out; });
    send(open(1).get());
    EXPECT_TRUE(roll().empty());
    EXPECT_EQ(frame.shownType, 8);
    EXPECT_NE(std::string(frame.shownRecord.resultLine).find("0008"), std::string::npos);
}

} // namespace
} // namespace morvelan::test
