// A virtual printer on a temporary state file, with a clock the test moves by hand.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "InterfaceKorva.h"
#include "PrinterClock.h"
#include "StateFile.h"
#include "VirtualPrinter.h"

namespace korva::test {

class DeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Log file names and the factory clock follow the local time zone.
        setenv("TZ", "UTC", 1);
        tzset();
    }

    void SetUp() override {
        // Every change is flushed to disk; memory-backed storage keeps the many writes fast.
        const std::filesystem::path shm = "/dev/shm";
        const auto base =
            access(shm.c_str(), W_OK) == 0 ? shm : std::filesystem::temp_directory_path();
        dir = base / ("korva-device-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        path = dir / "printer.json";
        printer = std::make_unique<VirtualPrinter>(path, clockFn());
        std::string port;
        ASSERT_EQ(printer->openPort("", port), KORVA_OK);
    }

    void TearDown() override {
        printer.reset();
        std::filesystem::remove_all(dir);
    }

public:
    Clock clockFn() {
        return [this] {
            return std::chrono::system_clock::time_point(std::chrono::seconds(host.load()));
        };
    }

    // 12/03/2026 10:00:00 on the host, in seconds.
    static constexpr std::int64_t kStart = 1773309600;

    Exchange run(const std::string& line) { return printer->execute(line); }
    static std::string code(const Exchange& e) { return e.status.substr(16, 4); }
    std::string rc(const std::string& line) { return code(run(line)); }

    PrinterState state() const { return readState(path); }
    void modify(const std::function<void(PrinterState&)>& fn) { modifyState(path, fn); }

    void reset(std::string_view model) {
        modify([&](PrinterState& s) { s = freshPrinter(*findModel(model)); });
    }

    // Records and confirms a user, leaving the printer fiscalized and still in MIT.
    void fiscalize() {
        ASSERT_EQ(rc("0301|0000|11222333000181|ISENTO||1234|03|02"), "0000");
        ASSERT_EQ(rc("0302|0000"), "0000");
    }

    // As above, with the signature key that a third-generation printer then needs.
    void fiscalizeWithKey() {
        fiscalize();
        modify([](PrinterState& s) { s.key = {KeyState::Enabled, "ABCDEF010001", false}; });
    }

    void advanceDays(int days) { host += days * 86400LL; }

    std::filesystem::path dir, path;
    std::atomic<std::int64_t> host{kStart};
    std::unique_ptr<VirtualPrinter> printer;
};

} // namespace korva::test
