// korva-sim against the same state file as a running printer.
#include <cstdlib>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "DeviceFixture.h"

namespace korva::test {
namespace {

using DeviceSim = DeviceTest;

int sim(const std::filesystem::path& state, const std::string& args) {
    const std::string command = "KORVA_SIM_STATE='" + state.string() + "' '" KORVA_SIM_PATH "' " +
                                args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(DeviceSim, ChangesReachTheRunningPrinter) {
    ASSERT_EQ(sim(path, "paper low"), 0);
    EXPECT_EQ(run("0001|0000").status.substr(8, 4), "0004");
    ASSERT_EQ(sim(path, "fail 0009 1 0E99"), 0);
    EXPECT_EQ(rc("0009|0000"), "0e99");
    EXPECT_EQ(rc("0009|0000"), "0000");
    ASSERT_EQ(sim(path, "power off"), 0);
    EXPECT_EQ(run("0001|0000").result, KORVA_ERRO_SEM_RESPOSTA);
    ASSERT_EQ(sim(path, "clear-faults"), 0);
    EXPECT_EQ(run("0001|0000").status.substr(8, 4), "0000");
    ASSERT_EQ(sim(path, "reset qp-l20"), 0);
    EXPECT_EQ(run("0003|0000").fields.at(3), "QP-L20");
    EXPECT_EQ(sim(path, "show"), 0);
}

TEST_F(DeviceSim, EveryResetMakesAPrinterWithSerialsOfItsOwn) {
    ASSERT_EQ(sim(path, "reset qp-l30"), 0);
    const auto first = state();
    ASSERT_EQ(sim(path, "reset qp-l30"), 0);
    EXPECT_NE(state().mfSerial, first.mfSerial);
    EXPECT_NE(state().mfdSerial, first.mfdSerial);
    ASSERT_EQ(sim(path, "reset qp-l30 --serial 42"), 0);
    EXPECT_EQ(state().mfSerial, "KV100000000000000042");
    EXPECT_EQ(state().mfdSerial, "KV1D0000000000000042");
}

TEST_F(DeviceSim, WrongUsageExitsWithTwoAndChangesNothing) {
    const std::string before = toJson(state()).dump();
    for (const char* args :
         {"", "paper soggy", "fail 01 2", "fail 0001 x", "slow -5", "reset qp-x",
          "reset --serial 0", "reset qp-l20 --serial 12x", "power", "frobnicate"}) {
        EXPECT_EQ(sim(path, args), 2) << args;
    }
    EXPECT_EQ(toJson(state()).dump(), before);
    EXPECT_EQ(sim(path, "--help"), 0);
}

} // namespace
} // namespace korva::test
