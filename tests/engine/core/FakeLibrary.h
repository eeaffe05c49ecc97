// A scripted stand-in for the printer library: plain C functions bound through the engine's
// table, each recording its call and answering what the test scripted.
#pragma once

#include "core/engine/KorvaLibrary.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace morvelan::test {

struct FakeCall {
    std::string name; // entry point name without "KORVA_"
    std::vector<std::string> args;
};

struct Answer {
    int result = 0;
    std::string text;
};

// A healthy fiscalized printer in normal mode with the sales period open.
inline constexpr const char* kHealthyStatus = "000000000000C0800000";

struct FakeScript {
    Answer openPort{0, "3"};
    Answer printerData{0, ""};
    std::deque<Answer> statuses; // answered in turn, then `status`
    Answer status{0, kHealthyStatus};
    Answer rawStatus{0, kHealthyStatus};
    Answer clock{0, "01012026120000"};
    std::map<std::string, int> results;          // return value by entry name (default 0)
    std::map<std::string, std::string> texts;    // text written by readings, by entry name
    std::map<std::string, int> values;           // integer written by readings, by entry name
    std::map<std::string, std::string> messages; // Obter_Mensagem_Erro text by return code
};

struct FakeLibrary {
    static inline FakeScript script;
    static inline std::vector<FakeCall> calls;

    // Forgets every call and restores the default script.
    static void reset();
    // Every entry point bound to its fake.
    static LibraryEntries entries();
    static int count(const std::string& name);
    static std::vector<FakeCall> callsTo(const std::string& name);
};

// The 108-character printer data text with `model` in the model field (offset 60).
std::string printerDataWithModel(const std::string& model);

} // namespace morvelan::test
