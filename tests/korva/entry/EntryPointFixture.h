// The fixture every entry point test runs in: a fresh virtual printer in a temporary state file,
// its port open, and helpers that read what the library reports.
#pragma once

#include "InterfaceKorva.h"
#include "PrinterState.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace korva::test {

// The state file of this test process. The library's printer follows KORVA_SIM_STATE from its
// first exchange on, so the variable is set once per process and every test starts the file anew.
std::filesystem::path stateFile();

// Rewrites the printer's state file; the printer reads it again before its next exchange.
void editState(const std::function<void(PrinterState&)>& change);
void writeState(const PrinterState& state);
PrinterState readState();

// A caller's output buffer: `size` bytes the library may write, zero-filled as callers do, then
// a run of canary bytes that it must never touch.
class Buffer {
public:
    explicit Buffer(std::size_t size);
    char* data() { return bytes_.data(); }
    std::size_t size() const { return size_; }
    std::string text() const; // up to the first zero, within the documented size
    std::string all() const;  // the documented size, zeros included
    ::testing::AssertionResult canaryIntact() const;

private:
    static constexpr std::size_t kCanary = 64;
    static constexpr char kCanaryByte = '\x5A';
    std::size_t size_;
    std::vector<char> bytes_;
};

struct Status {
    int result = -1;
    std::string text; // 20 characters, or empty
    std::string fieldError() const { return text.substr(0, 2); }
    std::string fieldNumber() const { return text.substr(2, 2); }
    std::string returnCode() const { return text.size() >= 20 ? text.substr(16, 4) : ""; }
};

// What KORVA_Obter_Estado_Impressora reports.
Status lastStatus();

struct RawAnswer {
    int result = -1;
    std::vector<std::string> fields;
    std::string text;
};

// Sends a raw command through KORVA_Send_From_FileEX and splits its answer.
RawAnswer raw(const std::string& line);

class EntryPointTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Forced entry into technical intervention, which the table and user settings need.
    static void enterMit();
    static void leaveMit();
};

} // namespace korva::test
