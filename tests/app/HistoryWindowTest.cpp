// The service history in the program: a sealing sequence run through the frame becomes one
// intervention with its steps, and the window shows, filters and exports it.
#include "gui/app/HistoryWindow.h"
#include "Models.h"
#include "VirtualPrinterFrame.h"
#include "core/engine/history/HistoryExport.h"
#include "gui/app/HistoryKeeper.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

namespace morvelan {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct AppHistory : test::VirtualPrinterFrame {
    void SetUp() override {
        startOn([](korva::PrinterState& s) { s = korva::factoryState(korva::defaultModel()); });
    }
    history::HistoryDatabase& database() const { return frame->history().database(); }
    void press(const char* button) const {
        auto* pushed = frame->currentForm()->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(pushed, nullptr) << button;
        VirtualPrinterFrame::press(pushed);
    }
    // A sequence whose first step is sent and whose other steps are passed over.
    void sealWithTheClockOnly() {
        frame->switchForm(2, 1);
        press("startButton");
        press("computerClockButton");
        prompts.answers = {true};
        press("sendButton");
        for (int step = 1; step <= 7; ++step)
            frame->advanceSealing(1);
    }
};

TEST_F(AppHistory, SealingSequenceIsOneInterventionWithItsSteps) {
    ASSERT_NE(frame->action(QStringLiteral("fileHistory")), nullptr);
    EXPECT_EQ(frame->action(QStringLiteral("fileHistory"))->text(),
              QStringLiteral("&Histórico de intervenções..."));
    sealWithTheClockOnly();
    const std::string pending = "Lacração finalizada com pendências:";
    EXPECT_TRUE(prompts.messages.back().text.starts_with(pending + "\n\n2. "));

    const auto entries = database().entries({});
    ASSERT_EQ(entries.size(), 2U);
    const history::HistoryEntry& clock = entries[0];
    const history::HistoryEntry& sealing = entries[1];
    EXPECT_EQ(clock.label, "Data e hora");
    EXPECT_EQ(sealing.kind, history::EntryKind::Intervention);
    EXPECT_EQ(sealing.label, kSealingIntervention);
    EXPECT_EQ(sealing.resultLine, pending + " Configurar Dados Contribuinte, Configurar Clichê, "
                                            "Configurar Alíquotas, Configurar Totalizadores Não "
                                            "Fiscais, Configurar Relatórios Gerenciais, Configurar "
                                            "Meios de Pagamentos");
    EXPECT_EQ(clock.interventionId, sealing.id);
    EXPECT_EQ(sealing.printerId, clock.printerId);
    ASSERT_EQ(sealing.steps.size(), 1U);
    EXPECT_EQ(sealing.steps[0].description, "Data e hora: " + clock.resultLine);
}

TEST_F(AppHistory, ClosingTheWindowInTheMiddleOfASequenceEndsItsRecord) {
    frame->switchForm(2, 1);
    press("startButton");
    frame->close();
    const auto entries = database().entries({});
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0].label, kSealingIntervention);
    EXPECT_EQ(entries[0].resultLine, kSequenceAbandoned);
    EXPECT_FALSE(entries[0].endedAt.empty());
}

TEST_F(AppHistory, WindowFiltersAndExportsTheShownRows) {
    sealWithTheClockOnly();
    HistoryWindow window(database(), prompts);
    auto* printers = window.findChild<QTableWidget*>(QStringLiteral("historyPrinters"));
    auto* rows = window.findChild<QTableWidget*>(QStringLiteral("historyEntries"));
    auto* function = window.findChild<QComboBox*>(QStringLiteral("historyFunction"));
    auto* details = window.findChild<QTextEdit*>(QStringLiteral("historyDetails"));
    ASSERT_TRUE(printers && rows && function && details);
    EXPECT_EQ(printers->rowCount(), 1);
    EXPECT_EQ(rows->rowCount(), 2);
    auto* size = window.findChild<QLabel*>(QStringLiteral("historySize"));
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->text().toStdString(),
              "Tamanho do histórico: " + history::sizeText(database().sizeOnDisk()));
    EXPECT_GT(database().sizeOnDisk(), 0U);

    function->setCurrentIndex(function->findText(QStringLiteral("Data e hora")));
    ASSERT_EQ(rows->rowCount(), 1);
    EXPECT_TRUE(details->toPlainText().contains(QStringLiteral("Estado Fiscal da Impressora:")));

    const std::string csv = programDir.filePath(QStringLiteral("h.csv")).toStdString();
    const std::string pdf = programDir.filePath(QStringLiteral("h.pdf")).toStdString();
    prompts.files = {csv, pdf};
    window.exportCsv();
    window.saveSummaryPdf();
    const std::string exported = fileBytes(csv);
    EXPECT_EQ(exported, history::toCsv(window.shownEntries(), database().printers()));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 2); // the header and one row
    EXPECT_TRUE(fileBytes(pdf).starts_with("%PDF"));
    EXPECT_EQ(prompts.messages.back().text, "Arquivo Salvo com Sucesso.");
}

} // namespace
} // namespace morvelan
