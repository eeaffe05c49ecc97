#include "EntryPointFixture.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace korva::test {

namespace {

std::filesystem::path makeStateDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korva-entry-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    return pattern;
}

class StateDirectory : public ::testing::Environment {
public:
    void SetUp() override {
        directory_ = makeStateDirectory();
        setenv("KORVA_SIM_STATE", (directory_ / "printer.json").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }
    static std::filesystem::path directory_;
};
std::filesystem::path StateDirectory::directory_;

[[maybe_unused]] const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new StateDirectory);

} // namespace

std::filesystem::path stateFile() {
    return StateDirectory::directory_ / "printer.json";
}

PrinterState readState() {
    std::ifstream in(stateFile());
    return fromJson(nlohmann::json::parse(in));
}

void writeState(const PrinterState& state) {
    const auto temporary = stateFile().string() + ".tmp";
    std::ofstream(temporary) << toJson(state).dump(2);
    std::filesystem::rename(temporary, stateFile());
}

void editState(const std::function<void(PrinterState&)>& change) {
    PrinterState state = readState();
    change(state);
    writeState(state);
}

Buffer::Buffer(std::size_t size) : size_(size), bytes_(size + kCanary, '\0') {
    std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(size), bytes_.end(), kCanaryByte);
}

std::string Buffer::text() const {
    const auto end =
        std::find(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size_), '\0');
    return {bytes_.begin(), end};
}

std::string Buffer::all() const {
    return {bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size_)};
}

::testing::AssertionResult Buffer::canaryIntact() const {
    for (std::size_t i = size_; i < bytes_.size(); ++i) {
        if (bytes_[i] != kCanaryByte) {
            return ::testing::AssertionFailure()
                   << "byte " << i << " past the documented size " << size_ << " was written";
        }
    }
    return ::testing::AssertionSuccess();
}

Status lastStatus() {
    Buffer buffer(KORVA_TAM_ESTADO);
    Status status;
    status.result = KORVA_Obter_Estado_Impressora(buffer.data());
    status.text = buffer.text();
    EXPECT_TRUE(buffer.canaryIntact());
    return status;
}

RawAnswer raw(const std::string& line) {
    Buffer buffer(KORVA_TAM_RESPOSTA);
    RawAnswer answer;
    answer.result = KORVA_Send_From_FileEX(line.c_str(), buffer.data());
    answer.text = buffer.text();
    EXPECT_TRUE(buffer.canaryIntact());
    std::size_t start = 0;
    while (!answer.text.empty()) {
        const std::size_t bar = answer.text.find('|', start);
        answer.fields.push_back(answer.text.substr(start, bar - start));
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    return answer;
}

void EntryPointTest::SetUp() {
    KORVA_Serial_Fechar_Porta();
    writeState(freshPrinter(defaultModel()));
    Buffer port(KORVA_TAM_NUMERO_PORTA);
    ASSERT_EQ(KORVA_Serial_Abrir_PortaAD("", port.data()), KORVA_OK);
}

void EntryPointTest::TearDown() {
    KORVA_Serial_Fechar_Porta();
}

void EntryPointTest::enterMit() {
    ASSERT_EQ(KORVA_Ajustar_Relogio("01012000", "000001", 0), KORVA_OK);
}

void EntryPointTest::leaveMit() {
    editState([](PrinterState& state) { state.mit = false; });
}

} // namespace korva::test
