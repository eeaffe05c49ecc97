// The library loaded the way the program loads it: by absolute path, every entry point looked up
// by name. This program does not link the library.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace {

std::set<std::string> declaredNames() {
    std::ifstream header(KORVA_HEADER_PATH);
    const std::string text((std::istreambuf_iterator<char>(header)), {});
    const std::regex declaration(R"(KORVA_API\s+int\s+KORVA_CALL\s+(KORVA_\w+)\s*\()");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), declaration);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[1]);
    }
    return names;
}

class EntryPointLoad : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/korva-load-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
        setenv("KORVA_SIM_STATE", (directory_ / "printer.json").c_str(), 1);
        ASSERT_TRUE(std::filesystem::path(KORVA_LIBRARY_PATH).is_absolute());
        handle_ = dlopen(KORVA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
        std::filesystem::remove_all(directory_);
    }
    template <typename F> F bind(const char* name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }

    void* handle_ = nullptr;
    std::filesystem::path directory_;
};

TEST_F(EntryPointLoad, EveryDeclaredNameIsFound) {
    const std::set<std::string> names = declaredNames();
    EXPECT_EQ(names.size(), 62u);
    for (const std::string& name : names) {
        EXPECT_NE(dlsym(handle_, name.c_str()), nullptr) << name;
    }
    EXPECT_EQ(dlsym(handle_, "KORVA_Nao_Existe"), nullptr);
}

TEST_F(EntryPointLoad, BoundEntryPointsTalkToThePrinter) {
    using OpenPort = int (*)(const char*, char*);
    using Status = int (*)(char*);
    using SendEXX = int (*)(const char*, char*, char*);
    using Close = int (*)();
    const auto open = bind<OpenPort>("KORVA_Serial_Abrir_PortaAD");
    const auto status = bind<Status>("KORVA_Obter_Estado_Impressora");
    const auto send = bind<SendEXX>("KORVA_Send_From_FileEXX");
    const auto close = bind<Close>("KORVA_Serial_Fechar_Porta");
    ASSERT_TRUE(open && status && send && close);

    char port[7] = {};
    ASSERT_EQ(open("", port), 0);
    EXPECT_STRNE(port, "");
    char text[21] = {};
    EXPECT_EQ(status(text), 1) << "nothing sent since the port opened";
    EXPECT_STREQ(text, "");
    char answer[10] = {};
    EXPECT_EQ(send("0001|0000", text, answer), 0);
    EXPECT_EQ(std::string(text).size(), 20u);
    EXPECT_EQ(std::string(text).substr(16), "0000");
    EXPECT_EQ(close(), 0);
}

} // namespace
