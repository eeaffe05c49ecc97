// Backup and restore of a printer's settings against the virtual printer: what the file holds,
// what a restore leaves on the printer, and the cases in which it must send nothing.
#include "VirtualPrinterEngine.h"
#include "core/base/Cp1252.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/engine/history/HistoryRecorder.h"
#include "core/features/backup/BackupFile.h"
#include "core/features/backup/BackupSession.h"
#include "core/features/backup/CommandFileDiff.h"
#include "core/features/settings/HeaderLines.h"
#include "core/features/tables/TableEditor.h"
#include "core/features/usersettings/UserSettings.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>

namespace morvelan::tables::test {
namespace {

using backup::RestoreStatus;

// 9 December 2025 at noon UTC: the same date in every time zone a test machine may use.
constexpr std::time_t kNoon = 1765281600;

// The settings a restore sends, as the printer holds them.
nlohmann::json restoredSettings(const korva::PrinterState& s) {
    const nlohmann::json all = korva::toJson(s);
    nlohmann::json kept;
    for (const char* key : {"header", "ecfNumber", "storeNumber", "currency", "issqnDiscount",
                            "payments", "reports", "nonFiscal", "taxRates", "operator",
                            "quantityDecimals", "priceDecimals", "rounds", "ownManufacture"}) {
        kept[key] = all.at(key);
    }
    // Totals are the printer's own counts, not settings.
    for (const char* table : {"payments", "reports", "nonFiscal", "taxRates"}) {
        for (auto& entry : kept[table]) {
            entry.erase("total");
        }
    }
    return kept;
}

void configure(korva::PrinterState& s) {
    s.header = {"MERCADO BOA VISTA LTDA", std::string("\x1b") + ")BOA VISTA", "RUA DAS FLORES 10",
                "CENTRO"};
    s.ecfNumber = "007";
    s.storeNumber = "0042";
    s.currency = "US$";
    s.issqnDiscount = true;
    s.payments.push_back({2, "Cartao", true});
    s.payments.push_back({5, "Cheque", false});
    s.reports.push_back({2, "Sangrias"});
    s.nonFiscal.push_back({3, "Recebimento"});
    s.taxRates = {{"Ta", "1800"}, {"Tb", "0700"}, {"Sa", "0500"}};
    s.operatorName = "JOANA";
    s.quantityDecimals = 2;
    s.priceDecimals = 3;
    s.rounds = true;
    s.ownManufacture = true;
    s.user = {1, "11222333000181", "ISENTO", "", ""};
}

class BackupRestore : public morvelan::test::VirtualPrinterEngine {
protected:
    std::string backupOfConfiguredPrinter() {
        editPrinter(configure);
        const std::string path = programDir.file("backup.cmd");
        const auto outcome = backup::writeBackup(engine, path, kNoon);
        EXPECT_EQ(outcome.status, backup::BackupStatus::Saved) << outcome.text;
        return path;
    }
    backup::RestoreOutcome restore(const std::string& path) {
        return backup::restoreFromFile(engine, path, [this](const std::string& plan) {
            shownPlans.push_back(plan);
            return true;
        });
    }
    std::vector<std::string> shownPlans;
};

TEST_F(BackupRestore, TheFileIsNamedAfterThePrinterAndPreFillsEachForm) {
    const std::string path = backupOfConfiguredPrinter();
    // One progress dialog for the whole reading.
    EXPECT_EQ(std::count(frame.events.begin(), frame.events.end(), "waitForWorker"), 1);
    const auto loaded = backup::loadForRestore(path);
    ASSERT_TRUE(std::holds_alternative<backup::CommandFileBytes>(loaded));
    const auto& file = std::get<backup::CommandFileBytes>(loaded);
    const std::string identification = fromCp1252(file.data());
    const korva::PrinterState state = printer();
    EXPECT_EQ(identification,
              "ECF " + state.model + " - série " + state.mfSerial + " - 09/12/2025");

    const auto header = settings::headerValues(*backup::settingBlock(file, 2));
    EXPECT_EQ(header.lines[1].text, "BOA VISTA");
    EXPECT_TRUE(header.lines[1].attributes.bold && header.lines[1].attributes.doubleHeight);
    EXPECT_EQ(header.ecfNumber, "007");
    EXPECT_EQ(displayRows(kPaymentTable, *backup::settingBlock(file, 7))[1].text, "Cartao");
    // Rounding is kept as its form sends it, not as the printer answers.
    const auto rounding = fiscal::roundingSent(*backup::settingBlock(file, 18));
    EXPECT_EQ(rounding.rounding, 0);
    EXPECT_EQ(rounding.ownManufacture, 0);
}

TEST_F(BackupRestore, ARestoreOntoAFreshPrinterLeavesItHoldingTheSameSettings) {
    const std::string path = backupOfConfiguredPrinter();
    const nlohmann::json configured = restoredSettings(printer());
    resetPrinter();

    const auto outcome = restore(path);
    EXPECT_EQ(outcome.status, RestoreStatus::Restored) << outcome.text;
    ASSERT_EQ(shownPlans.size(), 1u);
    EXPECT_NE(shownPlans[0].find("O meio de pagamento [ 02 - Cartao ( Vínculado ) ] SERÁ "
                                 "CADASTRADO"),
              std::string::npos)
        << shownPlans[0];
    EXPECT_NE(shownPlans[0].find("NÃO SERÃO RESTAURADOS"), std::string::npos);
    EXPECT_EQ(restoredSettings(printer()), configured);
    EXPECT_EQ(printer().user.number, 0);
}

TEST_F(BackupRestore, NothingIsSentWhenThePrinterHoldsTheFileOrIsOutsideMit) {
    const std::string path = backupOfConfiguredPrinter();
    const auto sameState = [] { return korva::toJson(printer()).dump(); };

    const std::string before = sameState();
    auto outcome = restore(path);
    EXPECT_EQ(outcome.status, RestoreStatus::NothingToChange);
    EXPECT_NE(outcome.text.find("Não existem alterações a serem efetuadas"), std::string::npos);
    EXPECT_EQ(sameState(), before);

    resetPrinter();
    editPrinter([](korva::PrinterState& s) { s.mit = false; });
    const std::string outside = sameState();
    outcome = restore(path);
    EXPECT_EQ(outcome.status, RestoreStatus::NotInMit);
    EXPECT_EQ(sameState(), outside);
    EXPECT_TRUE(shownPlans.empty());
}

TEST_F(BackupRestore, ADamagedFileIsRefusedAndSendsNothing) {
    const std::string path = backupOfConfiguredPrinter();
    std::ifstream in(path, std::ios::binary);
    const std::string sound((std::istreambuf_iterator<char>(in)), {});
    resetPrinter();
    const std::string fresh = korva::toJson(printer()).dump();

    struct Case {
        const char* name;
        std::string bytes;
        const char* fault;
    };
    const auto changed = [&](std::size_t offset, std::string_view value) {
        std::string bytes = sound;
        bytes.replace(offset, value.size(), value);
        return bytes;
    };
    // The tax-rate block: type flags, then codes of 3 bytes; the file holds Ta, Tb and Sa.
    constexpr std::size_t kRateTypes = 3550;
    constexpr std::size_t kRateCodes = kRateTypes + 18;
    const Case cases[] = {
        {"short", sound.substr(0, 5000), "bytes"},
        {"long", sound + "x", "bytes"},
        {"another program's", changed(1540, "x"), "não é o de um arquivo de comandos"},
        {"broken identification", changed(3, "\n"), "identificação"},
        {"payment row neither linked nor not", changed(1544 + 2 * 17 - 1, "\x07"),
         "Meios de pagamentos"},
        {"header line with a control character", changed(1024 + 2, "\t"), "Clichê"},
        {"report after an empty row", changed(2807 + 5 * 16, "X"), "Relatórios gerenciais"},
        {"rate code of no type", changed(kRateCodes, "Zz"), "Alíquota 01 tem o código \"Zz\""},
        {"rate code past the last position", changed(kRateCodes + 1, "z"),
         "Alíquota 01 tem o código \"Tz\""},
        {"ICMS code on an ISSQN rate", changed(kRateTypes, "\x01"),
         "Alíquota 01 é de ISSQN, mas tem o código \"Ta\""},
        {"rate code twice", changed(kRateCodes + 3 + 1, "a"),
         "Alíquota 02 tem o código \"Ta\" fora"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
        const auto outcome = restore(path);
        EXPECT_EQ(outcome.status, RestoreStatus::BadFile);
        EXPECT_NE(outcome.text.find(c.fault), std::string::npos) << outcome.text;
        EXPECT_EQ(korva::toJson(printer()).dump(), fresh);
    }
    EXPECT_EQ(restore(programDir.file("missing.cmd")).status, RestoreStatus::BadFile);
    EXPECT_TRUE(shownPlans.empty());
}

TEST_F(BackupRestore, TwoCommandFilesCompareInTheWordsOfTheRestorePlan) {
    const std::string path = backupOfConfiguredPrinter();
    const auto compared = [](const std::string& held, const std::string& file) {
        auto outcome = backup::compareCommandFiles(held, file);
        EXPECT_TRUE(std::holds_alternative<backup::FileComparison>(outcome))
            << std::get<std::string>(outcome);
        return std::get<backup::FileComparison>(outcome);
    };
    const backup::FileComparison same = compared(path, path);
    EXPECT_FALSE(same.differ) << same.text;
    EXPECT_NE(same.text.find("Não existem alterações a serem efetuadas"), std::string::npos);

    // The file restored, then the printer changed by hand and saved again.
    resetPrinter();
    ASSERT_EQ(restore(path).status, RestoreStatus::Restored);
    editPrinter([](korva::PrinterState& s) {
        s.payments[1].name = "Debito";
        s.reports.push_back({3, "Suprimentos"});
        s.operatorName = "PEDRO";
    });
    const std::string changed = programDir.file("changed.cmd");
    ASSERT_EQ(backup::writeBackup(engine, changed, kNoon).status, backup::BackupStatus::Saved);

    const backup::FileComparison back = compared(changed, path);
    EXPECT_TRUE(back.differ);
    for (const char* line :
         {"O meio de pagamento [ 02 - Debito ( Vínculado ) ] SERÁ SUBSTITUÍDO POR [ 02 - Cartao "
          "( Vínculado ) ]\n",
          "O relatório gerencial ( 03 ) [ Suprimentos ] SERÁ APAGADO\n",
          "O operador [ PEDRO ] SERÁ SUBSTITUÍDO POR [ JOANA ]\n"}) {
        EXPECT_NE(back.text.find(line), std::string::npos) << back.text;
    }
    // Only what differs: the header and the rates, restored as they were, stay out. The
    // taxpayer data are not restored, so they differ too.
    EXPECT_NE(back.text.find("NÃO SERÃO RESTAURADOS"), std::string::npos);
    for (const char* setting : {"Clichê", "Alíquotas"}) {
        EXPECT_EQ(back.text.find(setting), std::string::npos) << setting << "\n" << back.text;
    }
    EXPECT_EQ(std::get<std::string>(backup::compareCommandFiles(path, programDir.file("none.cmd")))
                  .find("O arquivo " + programDir.file("none.cmd") + " não pode ser comparado"),
              0u);
}

TEST_F(BackupRestore, TheBackupOfferedBeforeRiskyWorkMayBeDeclinedOrItsFailureOverruled) {
    struct Case {
        const char* name;
        std::deque<bool> answers;
        bool chooseFile;
        bool goesOn;
        bool saved;
    };
    const Case cases[] = {
        {"declined", {false}, false, true, false},
        {"saved", {true}, true, true, true},
        {"not saved, stop", {true, false}, false, false, false},
        {"not saved, go on", {true, true}, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = programDir.file(std::string(c.name) + ".cmd");
        prompts.answers = c.answers;
        prompts.files.clear();
        if (c.chooseFile) {
            prompts.files.push_back(path);
        }
        prompts.messages.clear();
        EXPECT_EQ(backup::offerBackupFirst(engine, kNoon), c.goesOn);
        EXPECT_EQ(std::filesystem::exists(path), c.saved);
        EXPECT_EQ(prompts.messages.front().text, backup::kBackupOfferText);
        if (c.answers.size() == 2) {
            EXPECT_EQ(prompts.messages.back().text, backup::kBackupNotSavedText);
        }
    }
}

TEST_F(BackupRestore, ABackupAndARestoreAreEachRecordedWithTheirSteps) {
    history::HistoryDatabase database(programDir.file(history::kHistoryFileName));
    history::HistoryRecorder recorder(database, {});
    engine.setServiceObserver(&recorder);
    const std::string path = backupOfConfiguredPrinter();
    resetPrinter();
    const auto outcome = restore(path);
    ASSERT_EQ(outcome.status, RestoreStatus::Restored) << outcome.text;

    std::vector<history::HistoryEntry> interventions = database.entries({});
    std::erase_if(interventions, [](const history::HistoryEntry& e) {
        return e.kind != history::EntryKind::Intervention;
    });
    ASSERT_EQ(interventions.size(), 2U);
    const history::HistoryEntry& restored = interventions[0];
    EXPECT_EQ(restored.label, kRestoreIntervention);
    EXPECT_EQ(restored.resultLine, "Configuração restaurada de " + path);
    ASSERT_FALSE(restored.steps.empty());
    // One step per line of the report the technician read.
    for (const auto& step : restored.steps) {
        EXPECT_TRUE(step.succeeded) << step.description;
        EXPECT_NE(outcome.text.find(step.description + "\n"), std::string::npos)
            << step.description;
    }
    const history::HistoryEntry& saved = interventions[1];
    EXPECT_EQ(saved.label, kBackupIntervention);
    EXPECT_TRUE(history::succeeded(saved));
    EXPECT_FALSE(saved.steps.empty());
    engine.setServiceObserver(nullptr);
}

} // namespace
} // namespace morvelan::tables::test
