// The virtual printer's state file for a test program: one file for the whole process (the
// library follows KORVA_SIM_STATE from its first exchange on), edited and read back directly.
#pragma once

#include "Models.h"
#include "StateFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace morvelan::tables::test {

// One state file for the whole process: the library follows KORVA_SIM_STATE from its first
// exchange on.
class StateEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ::setenv("KORVA_SIM_STATE", path().c_str(), 1); }
    static std::string path() { return directory().file("printer.json"); }
    static morvelan::test::TempDir& directory() {
        static morvelan::test::TempDir dir;
        return dir;
    }
};
inline const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new StateEnvironment);

inline void editPrinter(const std::function<void(korva::PrinterState&)>& change) {
    korva::modifyState(StateEnvironment::path(), change);
}
inline korva::PrinterState printer() {
    return korva::readState(StateEnvironment::path());
}

// A printer fresh from the factory.
inline void resetPrinter() {
    editPrinter([](korva::PrinterState& s) { s = korva::factoryState(korva::defaultModel()); });
}

} // namespace morvelan::tables::test
