// The paper roll: one whole document per print, nothing for a print refused, and korva-sim's
// view of it.
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include "DeviceFixture.h"
#include "PaperRoll.h"
#include "PrintedDocuments.h"

namespace korva::test {
namespace {

using DevicePaperRoll = DeviceTest;

std::vector<std::string> roll(const DeviceTest& t) {
    return paper::documents(paper::rollPath(t.path));
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every line of a document fits the paper; a line counts its characters, not its bytes.
void expectFits(const std::string& document) {
    std::size_t width = 0;
    for (char c : document) {
        if (c == '\n') {
            EXPECT_LE(width, paper::kColumns) << document;
            width = 0;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++width;
        }
    }
}

TEST_F(DevicePaperRoll, EachPrintedReadingAddsOneDocument) {
    modify([](PrinterState& s) { s.header[0] = "PADARIA BOM PÃO LTDA"; });
    const std::pair<const char*, std::vector<std::string>> prints[] = {
        {"0504|0000", {"LEITURA X", "ABERTURA DE JORNADA FISCAL", "COO:000001"}},
        {"0501|0000", {"LEITURA X", "COO:000002"}},
        {"0503|0000|01032026|12032026|7", {"MODO SIMPLIFICADO", "Faixa em DATA:", "01/03/2026"}},
        {"0503|0000|1|2|4", {"MODO COMPLETO", "Faixa em CRZ:"}},
        {"0505|0000|000001|000004", {"FITA-DETALHE", "Faixa em COO:", "000001 a 000004"}},
        {"0502|0000|||2", {"REDUÇÃO Z", "CRZ):", "000001"}},
    };
    std::size_t count = 0;
    for (const auto& [line, parts] : prints) {
        ASSERT_EQ(rc(line), "0000") << line;
        const auto documents = roll(*this);
        ASSERT_EQ(documents.size(), ++count) << line;
        for (const auto& part : parts) {
            EXPECT_TRUE(contains(documents.back(), part)) << line << "\n" << documents.back();
        }
        EXPECT_TRUE(contains(documents.back(), "PADARIA BOM PÃO LTDA"));
        EXPECT_EQ(documents.back().substr(documents.back().size() - 49), paper::kCutLine + "\n");
        expectFits(documents.back());
    }
}

TEST_F(DevicePaperRoll, RefusedPrintsLeaveNothingAndTheForcedEntryPrintsItsDocuments) {
    modify([](PrinterState& s) { s.mechanics.coverOpen = true; });
    EXPECT_EQ(rc("0501|0000"), "0009");
    modify([](PrinterState& s) {
        s.mechanics.coverOpen = false;
        s.mechanics.paper = Paper::Out;
    });
    EXPECT_EQ(rc("0501|0000"), "0008");
    EXPECT_EQ(rc("0301|0000|11222333000181|ISENTO||1234|03|02"), "0008");
    EXPECT_FALSE(state().pendingUser.has_value());
    EXPECT_EQ(rc("0503|0000|2|1|4"), "0e0b"); // the range is judged before the paper
    EXPECT_TRUE(roll(*this).empty());

    modify([](PrinterState& s) { s.mechanics.paper = Paper::Ok; });
    ASSERT_EQ(rc("0301|0000|11222333000181|ISENTO||1234|03|02"), "0000");
    ASSERT_EQ(rc("0302|0000"), "0000");
    ASSERT_EQ(roll(*this).size(), 1u);
    EXPECT_TRUE(contains(roll(*this)[0], "GRAVAÇÃO DE USUÁRIO"));
    EXPECT_TRUE(contains(roll(*this)[0], "11222333000181"));

    modify([](PrinterState& s) {
        s.key = {KeyState::Enabled, "ABCDEF010001", false};
        s.mit = false;
        s.day.open = true;
    });
    ASSERT_EQ(rc("0101|0000|01012000|000001|0"), "0000");
    const auto documents = roll(*this);
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_TRUE(contains(documents[1], "REDUÇÃO Z"));
    EXPECT_TRUE(contains(documents[2], "INTERVENÇÃO TÉCNICA"));
    EXPECT_TRUE(contains(documents[2], "CNPJ: 11222333000181"));
}

int sim(const std::filesystem::path& state, const std::string& args, std::string* out = nullptr) {
    const std::string command =
        "KORVA_SIM_STATE='" + state.string() + "' '" KORVA_SIM_PATH "' " + args + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        if (out != nullptr) {
            out->append(buffer, n);
        }
    }
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(DevicePaperRoll, SimShowsTheLastDocumentsAndClearsTheRoll) {
    ASSERT_EQ(rc("0501|0000"), "0000");
    ASSERT_EQ(rc("0504|0000"), "0000");
    std::string all, last;
    ASSERT_EQ(sim(path, "paper-roll", &all), 0);
    ASSERT_EQ(sim(path, "paper-roll --tail 1", &last), 0);
    EXPECT_EQ(all, roll(*this)[0] + roll(*this)[1]);
    EXPECT_EQ(last, roll(*this)[1]);
    for (const char* wrong : {"paper-roll --tail", "paper-roll --tail x", "paper-roll --wipe"}) {
        EXPECT_EQ(sim(path, wrong), 2) << wrong;
    }
    ASSERT_EQ(sim(path, "paper-roll --clear"), 0);
    EXPECT_TRUE(roll(*this).empty());
    ASSERT_EQ(rc("0501|0000"), "0000");
    EXPECT_EQ(roll(*this).size(), 1u);
}

} // namespace
} // namespace korva::test
