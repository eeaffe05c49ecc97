// The communication check and the information readings as the technician uses them: picked in
// the tree, pressed, and answered by the virtual printer (or by none).
#include "QStringPrinting.h"
#include "RecordingPrompts.h"
#include "gui/app/CLeftView.h"
#include "gui/app/CMainFrame.h"
#include "gui/dialogs/CRightView_Resp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace morvelan {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct AppReadings : testing::Test {
    QTemporaryDir programDir;
    CMorvelanDoc document;
    test::RecordingPrompts prompts;
    std::unique_ptr<CMainFrame> frame =
        std::make_unique<CMainFrame>(document, prompts, programDir.path().toStdString(),
                                     CMainFrame::libraryInDirectory(MORVELAN_LIBRARY_DIR));

    void SetUp() override {
        frame->show();
        // The printer's state file exists once the library has talked to it.
        frame->ensurePrinter();
        ASSERT_NE(frame->engine().libraryHandle, nullptr);
        editPrinter([](nlohmann::json& state) { state["poweredOn"] = true; });
        prompts.messages.clear();
    }

    // Changes the virtual printer's state the way korva-sim does: in its file, replaced whole.
    static void editPrinter(const std::function<void(nlohmann::json&)>& change) {
        const std::string path = std::getenv("KORVA_SIM_STATE");
        auto state = nlohmann::json::parse(readAll(path));
        change(state);
        std::ofstream(path + ".edit") << state.dump();
        std::rename((path + ".edit").c_str(), path.c_str());
    }

    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        return frame->currentForm()->findChild<Widget*>(name);
    }
    QString field(const QString& name) const {
        auto* edit = find<QLineEdit>(name);
        return edit != nullptr ? edit->text() : QStringLiteral("<missing>");
    }
    // Picks group.item in the tree and presses `button` of its form.
    void pickAndPress(int group, int item, const QString& button) {
        auto* tree = frame->functionTree();
        for (auto* entry : tree->findItems(QStringLiteral("%1.%2 - ")
                                               .arg(group, 2, 10, QLatin1Char('0'))
                                               .arg(item, 2, 10, QLatin1Char('0')),
                                           Qt::MatchStartsWith | Qt::MatchRecursive))
            Q_EMIT tree->itemPressed(entry, 0);
        auto* pressed = find<QPushButton>(button);
        ASSERT_NE(pressed, nullptr) << button.toStdString();
        pressed->click();
    }
    void shoot(const char* name) const {
        if (const char* dir = std::getenv("MORVELAN_SHOT_DIR"))
            frame->grab().save(QString::fromUtf8(dir) + QLatin1Char('/') +
                               QString::fromLatin1(name));
    }
    CRightView_Resp* panel() const { return dynamic_cast<CRightView_Resp*>(frame->currentForm()); }
};

TEST_F(AppReadings, CommunicationCheckDetectsAtEveryPressAndEndsInTheResponsePanel) {
    pickAndPress(1, 1, QStringLiteral("sendButton"));
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->content().title, "Comunicação :: Verificar comunicação");
    ASSERT_EQ(panel()->tabs()->count(), 1);
    EXPECT_EQ(panel()->content().texts.resultLine, "( 0000 ) - Resultado sem erro");
    shoot("check-on.png");

    // Switched off: the next press looks for the printer again and finds none.
    editPrinter([](nlohmann::json& state) { state["poweredOn"] = false; });
    pickAndPress(1, 1, QStringLiteral("sendButton"));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Nenhuma Impressora Fiscal detectada!\n");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->tabs()->count(), 0);
    EXPECT_EQ(panel()->content().title, "Comunicação :: Verificar comunicação");
}

TEST_F(AppReadings, CommunicationCheckWithoutTheLibraryClosesTheProgram) {
    CMainFrame bare(document, prompts, programDir.path().toStdString(),
                    [] { return BoundLibrary{}; });
    bare.show();
    prompts.messages.clear();
    bare.switchForm(1, 1);
    auto* send = bare.currentForm()->findChild<QPushButton*>(QStringLiteral("sendButton"));
    ASSERT_NE(send, nullptr);
    send->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "Arquivo InterfaceKorva.dll não encontrado!\n\nEste arquivo é fundamental para o "
              "funcionamento deste software.\n\nO Morvelan será fechado.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Error);
    EXPECT_FALSE(bare.isVisible());
}

TEST_F(AppReadings, SerializationAndMicroswitchesAsThePrinterReportsThem) {
    editPrinter([](nlohmann::json& state) { state["microswitches"] = 0x31; });
    pickAndPress(7, 2, QStringLiteral("readButton"));
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().icon, PromptIcon::Information)
        << prompts.messages.back().text;
    const auto state = nlohmann::json::parse(readAll(std::getenv("KORVA_SIM_STATE")));
    EXPECT_EQ(field(QStringLiteral("serializationField0")).trimmed().toStdString(),
              state["mfSerial"].get<std::string>());
    EXPECT_EQ(field(QStringLiteral("serializationField3")).trimmed(),
              QString::fromStdString(frame->engine().modelName[0]).trimmed());
    auto* tabs = find<QTabBar>(QStringLiteral("printerTabs"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QString::fromStdString(frame->engine().modelName[0]).trimmed() +
                                    QStringLiteral(" :: ") +
                                    QString::fromStdString(frame->engine().portName[0]));
    shoot("reading-7-2.png");

    pickAndPress(7, 15, QStringLiteral("readButton"));
    QStringList switches;
    for (int i = 0; i < 8; ++i)
        switches << field(QStringLiteral("microswitchField%1").arg(i));
    const QString on = QStringLiteral("ON"), off = QStringLiteral("OFF");
    EXPECT_EQ(switches, (QStringList{on, off, off, off, on, on, on, off}));
    shoot("reading-7-15.png");
}

TEST_F(AppReadings, FiscalDayOfADayWithoutReduction) {
    editPrinter([](nlohmann::json& state) {
        auto& day = state["day"];
        day["startDate"] = "07122026";
        day["startTime"] = "083015";
        day["endDate"] = "01012000";
        day["endTime"] = "000000";
        day["firstCoo"] = 120;
        day["lastCoo"] = 135;
        day["zRemaining"] = 2989;
        day["open"] = true;
    });
    pickAndPress(7, 6, QStringLiteral("readButton"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField0")), QStringLiteral("07/12/2026"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField1")), QStringLiteral("08:30:15"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField2")), QStringLiteral("-"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField3")), QStringLiteral("-"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField4")), QStringLiteral("000120"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField5")), QStringLiteral("000135"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField7")), QStringLiteral("002989"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField10")), QStringLiteral("Aberta"));
    EXPECT_EQ(field(QStringLiteral("fiscalDayField12")),
              QStringLiteral("Não Permitido (aguardando novo dia)"));
    shoot("reading-7-6.png");
}

TEST_F(AppReadings, EventLogIsShownAndSavedByteForByte) {
    editPrinter([](nlohmann::json& state) {
        state["events"] = nlohmann::json::array({{{"date", "07122026"},
                                                  {"time", "1015"},
                                                  {"kind", "M"},
                                                  {"command", "0401"},
                                                  {"sequence", 1}},
                                                 {{"date", "07122026"},
                                                  {"time", "1016"},
                                                  {"kind", "Z"},
                                                  {"command", "0502"},
                                                  {"sequence", 2}}});
    });
    pickAndPress(7, 16, QStringLiteral("readButton"));
    auto* grid = find<QTableWidget>(QStringLiteral("eventGrid"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Z")); // the newest first
    EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("00001"));
    EXPECT_EQ(field(QStringLiteral("eventCount")), QStringLiteral("54"));
    shoot("reading-7-16.png");

    const std::string blank = " -  -  -  -  -  - \r\n";
    const std::string path = programDir.filePath(QStringLiteral("eventos.txt")).toStdString();
    prompts.files = {path};
    find<QPushButton>(QStringLiteral("saveButton"))->click();
    std::string expected = "07122026 - 1016 - Z - 0000 - 00002 - 0502 - 0\r\n"
                           "07122026 - 1015 - M - 0000 - 00001 - 0401 - 0\r\n";
    for (int i = 0; i < 8; ++i)
        expected += blank;
    EXPECT_EQ(readAll(path), expected);
    EXPECT_EQ(prompts.messages.back().text, "Arquivo Salvo com Sucesso.");

    editPrinter([](nlohmann::json& state) { state["events"] = nlohmann::json::array(); });
    find<QPushButton>(QStringLiteral("readButton"))->click();
    prompts.files = {path};
    find<QPushButton>(QStringLiteral("saveButton"))->click();
    std::string empty;
    for (int i = 0; i < 10; ++i)
        empty += blank;
    EXPECT_EQ(readAll(path), empty);
}

} // namespace
} // namespace morvelan
