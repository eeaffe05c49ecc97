// The script worker's command log, byte for byte, against the scripted fake library.
#include "core/scripts/executor/ScriptWorker.h"
#include "EngineFixture.h"
#include "core/scripts/executor/ScriptRunner.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>
#include <map>

namespace morvelan::test {
namespace {

// What the printer answers to each raw command: return value and answer text.
std::map<std::string, Answer> gAnswers;

int KORVA_CALL sendFromFileEx(const char* command, char* answer) {
    FakeLibrary::calls.push_back({"Send_From_FileEX", {command, "<out>"}});
    const auto it = gAnswers.find(command);
    if (it == gAnswers.end()) {
        return 0;
    }
    std::memcpy(answer, it->second.text.data(), it->second.text.size());
    return it->second.result;
}

const std::string kEq(83, '=');
const std::string kStar(83, '*');
const std::string kHeader = kEq + "\r\nComandos Enviados para ( COM3 - QP-R4100 MKIII ): \r\n\r\n";
const std::string kOk = "Resposta: ( 0000 ) - Resultado sem erro\r\n\r\n";
const std::string kAnswerTop =
    kStar + "\r\n* Dados Retornados pela impressora:\r\n" + kStar + "\r\n";
const std::string kLowPaper = "000000000004C0800000";
constexpr const char* kLoopEnd3 = "<FINAL DE LOOP - [3] Repeti\xE7\xF5"
                                  "es>";

// Two commands described in the dictionary: 0002 with two named answer fields, 0004 whose first
// answer field has an empty name.
constexpr const char* kDictionary = R"(<?xml version="1.0"?>
<COMANDOS><GRUPO><NOME>Leituras</NOME>
<COMANDO><NOME>Ler data e hora</NOME><NUMERO>0002</NUMERO>
<EXTENSAO><VALOR>0000</VALOR><DESCRICAO>Padrao</DESCRICAO></EXTENSAO>
<RETORNO><DESCRICAO>Data</DESCRICAO></RETORNO><RETORNO><DESCRICAO>Hora</DESCRICAO></RETORNO>
</COMANDO>
<COMANDO><NOME>Ler dados do usuario</NOME><NUMERO>0004</NUMERO>
<EXTENSAO><VALOR>0000</VALOR><DESCRICAO>Padrao</DESCRICAO></EXTENSAO>
<RETORNO><DESCRICAO></DESCRICAO></RETORNO><RETORNO><DESCRICAO>I.E</DESCRICAO></RETORNO>
<RETORNO><DESCRICAO>I.M</DESCRICAO></RETORNO>
</COMANDO></GRUPO></COMANDOS>
)";

class ScriptWorkerTest : public EngineFixture {
protected:
    ScriptWorkerTest() {
        gAnswers.clear();
        FakeLibrary::script.printerData.text = printerDataWithModel("QP-R4100 MKIII");
        FakeLibrary::script.messages["0002"] = "Extensao desconhecida.";
        LibraryEntries entries = FakeLibrary::entries();
        entries.Send_From_FileEX = sendFromFileEx;
        makeEngine(bindLibraryFromTable(entries));
        std::ofstream(dir.file("comandos.xml")) << kDictionary;
        detect();
    }

    // Runs `script` through runScript and returns slot 0's log.
    std::string run(const std::string& script, ScriptWorkerOptions options = {}) {
        std::ofstream(dir.file("teste.SEQ"), std::ios::binary) << script;
        ScriptRunner runner(*engine, std::move(options));
        ScriptLogs logs;
        outcome = runner.runScript(dir.file("teste.SEQ"), logs, kAllPrinters);
        return logs[0];
    }

    std::vector<std::string> sent() const {
        std::vector<std::string> lines;
        for (const auto& call : FakeLibrary::callsTo("Send_From_FileEX")) {
            lines.push_back(call.args[0]);
        }
        return lines;
    }

    ScriptWorkerOutcome outcome;
};

struct LogCase {
    const char* name;
    std::string script;
    std::map<std::string, Answer> answers;
    std::deque<Answer> statuses;
    std::string log;
};

TEST_F(ScriptWorkerTest, CommandLogByteForByte) {
    const Answer off{5, ""};
    const Answer ok{0, kHealthyStatus};
    const std::string dataHora = "Comando: 0002|0000\r\n" + kAnswerTop;
    const LogCase cases[] = {
        {"command missing from the dictionary",
         "0099|0000\r\n",
         {{"0099|0000", {0, "01012026|120000"}}},
         {},
         kHeader + "Comando: 0099|0000\r\n" + kAnswerTop +
             "Campo Não Identificado: 01012026\r\nCampo Não Identificado: 120000\r\n" + kStar +
             "\r\n" + kOk + kEq + "\r\n"},
        {"empty piece",
         "0002|0000\n",
         {{"0002|0000", {0, "|01012026||120000|"}}},
         {},
         kHeader + dataHora + "Data : 01012026\r\nHora : 120000\r\n" + kStar + "\r\n" + kOk + kEq +
             "\r\n"},
        {"more pieces than named fields",
         "0002|0000\r\n",
         {{"0002|0000", {0, "01012026|120000|x"}}},
         {},
         kHeader + dataHora + "Data : 01012026\r\nHora : 120000\r\n : x\r\n" + kStar + "\r\n" +
             kOk + kEq + "\r\n"},
        {"first field name empty",
         "0004|0000\r\n",
         {{"0004|0000", {0, "a|b|c"}}},
         {},
         kHeader + "Comando: 0004|0000\r\n" + kAnswerTop +
             "Campo Não Identificado: a\r\n : b\r\nI.E : c\r\n" + kStar + "\r\n" + kOk + kEq +
             "\r\n"},
        {"rejected command",
         "0002|0009\r\n",
         {{"0002|0009", {0, ""}}},
         {ok, {0, "000000000000C0800002"}},
         kHeader + "Comando: 0002|0009\r\nResposta: ( 0002 ) - Extensao desconhecida.\r\n\r\n" +
             kEq + "\r\n"},
        {"printer switched off mid-script",
         "0099|0000\r\n0098|0000\r\n",
         {},
         {ok, ok, off, off},
         kHeader + "Comando: 0099|0000\r\n" + kOk +
             "Comando: 0098|0000\r\nResposta: ERRO - IMPRESSORA OFFLINE OU DESCONECTADA\r\n\r\n" +
             kEq + "\r\n"},
        {"comments, messages and unknown control lines only",
         "// nada\r\n/0002|0000\r\n#Aviso\r\n<X>\r\n",
         {},
         {},
         ""},
        {"paper-low wait released by paper loaded",
         "0099|0000\r\n",
         {},
         {{0, kLowPaper}, {0, kLowPaper}, ok, ok},
         kHeader + "Comando: 0099|0000\r\n" + kOk + kEq + "\r\n"},
    };
    for (const LogCase& c : cases) {
        gAnswers = c.answers;
        FakeLibrary::script.statuses = c.statuses;
        EXPECT_EQ(run(c.script), c.log) << c.name;
    }
}

TEST_F(ScriptWorkerTest, ALineThePrinterCannotTakeAsWrittenIsNotSentAndTheRunGoesOn) {
    const std::string log = run("0099|0000|A\x81\r\n0098|0000\r\n");
    EXPECT_EQ(sent(), std::vector<std::string>{"0098|0000"});
    EXPECT_EQ(outcome.commandsFailed, 1);
    EXPECT_EQ(log, kHeader +
                       "Comando: 0099|0000|A\xC2\x81\r\nResposta: Comando [ 0099|0000|A\xC2\x81 ] "
                       "não enviado: o caractere U+0081 não existe no Windows-1252, o código de "
                       "caracteres da impressora.\r\n\r\nComando: 0098|0000\r\n" +
                       kOk + kEq + "\r\n");
}

TEST_F(ScriptWorkerTest, LoopRunsItsBlockCountTimesAndAtLeastOnce) {
    const std::pair<const char*, int> cases[] = {{"3", 3}, {"1", 1}, {"0", 1}, {"", 1}, {"x", 1}};
    for (const auto& [count, times] : cases) {
        FakeLibrary::calls.clear();
        const std::string log =
            run("<INICIO DE LOOP>\r\n0099|0000\r\n<FINAL DE LOOP - [" + std::string(count) +
                "] Repeti\xE7\xF5" + "es>\r\n0098|0000\r\n");
        std::string expected = kHeader;
        for (int i = 0; i < times; ++i) {
            expected += "Comando: 0099|0000\r\n" + kOk;
        }
        expected += "Comando: 0098|0000\r\n" + kOk + kEq + "\r\n";
        EXPECT_EQ(log, expected) << count;
        EXPECT_EQ(sent().size(), static_cast<std::size_t>(times + 1)) << count;
    }
}

TEST_F(ScriptWorkerTest, LoopEndsWithoutAFreshLoopStartRepeatNothing) {
    // Two loop ends sharing one loop start would otherwise send each other back for ever.
    run(std::string("<INICIO DE LOOP>\r\n0099|0000\r\n") + kLoopEnd3 + "\r\n0098|0000\r\n" +
        kLoopEnd3 + "\r\n");
    EXPECT_EQ(sent(),
              (std::vector<std::string>{"0099|0000", "0099|0000", "0099|0000", "0098|0000"}));
}

TEST_F(ScriptWorkerTest, AdvanceDaySetsTheNextDayAtTheSameTime) {
    const std::pair<const char*, const char*> cases[] = {{"31122025101112", "01012026"},
                                                         {"28022024101112", "29022024"},
                                                         {"28022025101112", "01032025"}};
    for (const auto& [clock, date] : cases) {
        FakeLibrary::calls.clear();
        FakeLibrary::script.clock = {0, clock};
        EXPECT_EQ(run("<ADIANTAR 1 DIA>\r\n"), "Comando: <ADIANTAR 1 DIA>\r\n" + kOk) << clock;
        const auto set = FakeLibrary::callsTo("Ajustar_Relogio");
        ASSERT_EQ(set.size(), 1U) << clock;
        EXPECT_EQ(set[0].args, (std::vector<std::string>{date, "101112", "1"})) << clock;
    }
    // A clock that cannot be read is not set; the response still reports the status.
    FakeLibrary::calls.clear();
    FakeLibrary::script.clock = {7, ""};
    EXPECT_EQ(run("<AVANCAR>\r\n"), "Comando: <ADIANTAR 1 DIA>\r\n" + kOk);
    EXPECT_EQ(FakeLibrary::count("Ajustar_Relogio"), 0);
}

TEST_F(ScriptWorkerTest, MessagesAndTheLowPaperPromptNameThePrinter) {
    FakeLibrary::script.statuses = {{0, kLowPaper}};
    run("#Troque o papel\r\n#@Cronometrado\r\n0099|0000\r\n");
    ASSERT_EQ(prompts.messages.size(), 3U);
    EXPECT_EQ(prompts.messages[0].kind, "message");
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "( COM3 - QP-R4100 MKIII )\nTroque o papel");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompts.messages[1].kind, "chronometer");
    EXPECT_EQ(prompts.messages[1].text, "( COM3 - QP-R4100 MKIII )\nCronometrado");
    EXPECT_EQ(prompts.messages[2].text, "( COM3 - QP-R4100 MKIII ) \nImpressora com pouco papel!"
                                        "\nColoque uma nova bobina e clique em 'OK");
    EXPECT_EQ(prompts.messages[2].icon, PromptIcon::Information);
    EXPECT_TRUE(engine->librarySemaphore.try_acquire());
}

// Prompts that run a step when a message is shown, as a technician acting meanwhile would.
class ActingPrompts final : public Prompts {
public:
    std::function<void()> onMessage;
    int shown = 0;
    void message(const std::string&, const std::string&, PromptIcon) override {
        ++shown;
        if (onMessage) {
            onMessage();
        }
    }
    bool askYesNo(const std::string&, const std::string&, PromptIcon) override { return false; }
    bool askOkCancel(const std::string&, const std::string&, PromptIcon) override { return false; }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return {};
    }
};

TEST_F(ScriptWorkerTest, StopRequestEndsTheRunBeforeTheNextLineAndInsideThePaperWait) {
    ActingPrompts acting;
    LibraryEntries entries = FakeLibrary::entries();
    entries.Send_From_FileEX = sendFromFileEx;
    Engine actingEngine(bindLibraryFromTable(entries), acting, frame, dir.path());
    ASSERT_TRUE(actingEngine.ensurePrinter());
    std::atomic<bool> stop{false};
    acting.onMessage = [&stop] { stop = true; };
    auto dictionary = std::make_unique<CommandDictionary>();
    std::ofstream(dir.file("s.SEQ")) << "0099|0000\r\n#Pare\r\n0098|0000\r\n";
    ScriptWorker worker(actingEngine, *dictionary, stop);
    std::string log = "antigo";
    FakeLibrary::calls.clear();
    EXPECT_TRUE(worker.run(0, dir.file("s.SEQ"), log).stopped);
    EXPECT_EQ(log, kHeader + "Comando: 0099|0000\r\n" + kOk + kEq + "\r\n");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 1);

    // The paper never comes: the stop raised at the prompt ends the wait, nothing is sent.
    stop = false;
    FakeLibrary::calls.clear();
    FakeLibrary::script.status = {0, kLowPaper};
    EXPECT_TRUE(worker.run(0, dir.file("s.SEQ"), log).stopped);
    EXPECT_EQ(acting.shown, 2);
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 0);
    // The log says why the command went unsent.
    const std::string reason =
        "Execução interrompida, comando não enviado: Impressora Online - Pouco papel - ";
    EXPECT_EQ(log,
              kHeader + "Comando: 0099|0000\r\nResposta: " + reason + "\r\n\r\n" + kEq + "\r\n");

    // Unattended, the low paper ends the run without a prompt, and the outcome says why.
    ScriptWorker unattended(actingEngine, *dictionary, stop, {.stopOnLowPaper = true});
    stop = false;
    const ScriptWorkerOutcome outcome = unattended.run(0, dir.file("s.SEQ"), log);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.stopReason, reason);
    EXPECT_EQ(acting.shown, 2);
}

TEST_F(ScriptWorkerTest, SteppingAsksBeforeEachLineThatReachesThePrinter) {
    std::deque<StepAnswer> answers{StepAnswer::Send, StepAnswer::Skip, StepAnswer::Send,
                                   StepAnswer::Stop};
    std::vector<std::string> asked;
    FakeLibrary::script.clock = {0, "31122025101112"};
    const std::string log = run("0099|0000\r\n//nada\r\n0098|0000\r\n<ADIANTAR 1 DIA>\r\n"
                                "0097|0000\r\n0096|0000\r\n",
                                {.step = [&](const std::string& line) {
                                    asked.push_back(line);
                                    const StepAnswer answer = answers.front();
                                    answers.pop_front();
                                    return answer;
                                }});
    EXPECT_EQ(asked, (std::vector<std::string>{"0099|0000", "0098|0000", "<ADIANTAR 1 DIA>",
                                               "0097|0000"}));
    EXPECT_EQ(sent(), std::vector<std::string>{"0099|0000"});
    EXPECT_EQ(FakeLibrary::count("Ajustar_Relogio"), 1);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(log, kHeader + "Comando: 0099|0000\r\n" + kOk + "Comando: <ADIANTAR 1 DIA>\r\n" +
                       kOk + kEq + "\r\n");
}

TEST_F(ScriptWorkerTest, MissingScriptEmptiesTheLogAndNoPrinterLeavesItAlone) {
    ScriptRunner runner(*engine);
    ScriptLogs logs{"antigo"};
    runner.runScript(dir.file("nao-existe.SEQ"), logs, kAllPrinters);
    EXPECT_EQ(logs[0], "");
    EXPECT_EQ(FakeLibrary::count("Send_From_FileEX"), 0);

    engine->printerPresent[0] = 0;
    logs[0] = "antigo";
    std::ofstream(dir.file("a.SEQ")) << "0099|0000\r\n";
    runner.runScript(dir.file("a.SEQ"), logs, kAllPrinters);
    EXPECT_EQ(logs[0], "antigo");
}

TEST_F(ScriptWorkerTest, DictionaryIsReloadedForEveryRun) {
    EXPECT_EQ(run("0002|0000\r\n").find("Data : "), std::string::npos); // empty answer
    gAnswers["0002|0000"] = {0, "1|2"};
    EXPECT_NE(run("0002|0000\r\n").find("Data : 1\r\n"), std::string::npos);
    std::ofstream(dir.file("comandos.xml")) << "<COMANDOS></COMANDOS>";
    EXPECT_NE(run("0002|0000\r\n").find("Campo Não Identificado: 1\r\n"), std::string::npos);
}

} // namespace
} // namespace morvelan::test
