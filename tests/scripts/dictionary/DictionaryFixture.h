// A temporary program directory holding a comandos.xml written by the test.
#pragma once

#include "RecordingPrompts.h"
#include "core/scripts/dictionary/CommandDictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <unistd.h>

namespace morvelan::test {

class DictionaryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = std::filesystem::temp_directory_path() /
                    (std::string("morvelan-dict-") + info->test_suite_name() + "-" + info->name() +
                     "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        table = std::make_unique<CommandDictionary>();
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::filesystem::path file() const { return directory / kCommandDictionaryFileName; }

    void writeFile(const std::string& contents) const {
        std::ofstream out(file(), std::ios::binary | std::ios::trunc);
        out << contents;
    }

    std::string readFile() const {
        std::ifstream in(file(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool load(const std::string& contents) {
        writeFile(contents);
        return LoadCommandDictionary(directory, prompts, *table);
    }

    const CommandEntry& command(int group, int slot) const {
        return table->groups[group].commands[slot];
    }

    std::filesystem::path directory;
    RecordingPrompts prompts;
    std::unique_ptr<CommandDictionary> table;
};

} // namespace morvelan::test
