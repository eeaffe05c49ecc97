#include "core/base/RegularFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace morvelan::test {
namespace {

constexpr FileBound kBound{"um teste", 4096};

// None of these may be waited on or read whole: a FIFO without a writer would hang the open, the
// zero device the read, and the sparse file would be read for nothing.
TEST(RegularFile, RefusesWhatIsNoRegularFileWithinItsBoundBeforeReadingIt) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link-to-fifo"));
    std::ofstream(dir.file("big"), std::ios::binary).close();
    std::filesystem::resize_file(dir.file("big"), 1u << 30);
    struct Case {
        std::string path;
        FileRefusal refusal;
        std::string text;
    };
    const Case cases[] = {
        {dir.path(), FileRefusal::Directory, "é uma pasta, não um arquivo"},
        {dir.file("fifo"), FileRefusal::NotAFile, "é um FIFO (pipe nomeado), não um arquivo"},
        {dir.file("link-to-fifo"), FileRefusal::NotAFile,
         "é um FIFO (pipe nomeado), não um arquivo"},
        {"/dev/zero", FileRefusal::NotAFile, "é um dispositivo, não um arquivo"},
        {dir.file("big"), FileRefusal::TooLarge,
         "tem 1073741824 bytes, mais que o limite de 4096 bytes de um teste"},
        {dir.file("nenhum"), FileRefusal::Missing, "o arquivo não existe"},
    };
    for (const Case& c : cases) {
        FileFault fault;
        EXPECT_EQ(readWholeFile(c.path, kBound, &fault), std::nullopt) << c.path;
        EXPECT_EQ(fault.refusal, c.refusal) << c.path;
        EXPECT_EQ(fault.text, c.text) << c.path;
    }

    // A file of exactly its bound is read, through a link too; the limit in MiB when it is one.
    std::filesystem::resize_file(dir.file("big"), kBound.maxBytes);
    std::filesystem::create_symlink(dir.file("big"), dir.file("link"));
    EXPECT_EQ(readWholeFile(dir.file("link"), kBound), std::string(kBound.maxBytes, '\0'));
    std::filesystem::resize_file(dir.file("big"), (1u << 20) + 1);
    FileFault fault;
    readWholeFile(dir.file("big"), {"um teste", 1u << 20}, &fault);
    EXPECT_EQ(fault.text, "tem 1048577 bytes, mais que o limite de 1 MiB (1048576 bytes) de um "
                          "teste");
}

} // namespace
} // namespace morvelan::test
