#include "core/base/CommandFile.h"
#include "GoneProcess.h"
#include "TempDir.h"
#include "TestDoubles.h"
#include "core/base/AtomicFile.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/Cp1252.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

namespace morvelan::test {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A type-10 request: path, then the identification from byte 1025.
std::string fileRequest(const std::string& path, const std::string& identification = "") {
    std::string request(kFileRequestSize, '\0');
    request.replace(0, path.size(), path);
    request.replace(kFileRequestPathSize, identification.size(), identification);
    return request;
}

class CommandFile : public ::testing::Test {
protected:
    CommandFile() : store(path, dir.path(), prompts, frame) {}

    std::string working() const { return dir.file("default.cmd"); }

    TempDir dir;
    std::string path;
    RecordingPrompts prompts;
    RecordingFrame frame;
    CommandFileStore store;
};

TEST_F(CommandFile, BlockIsStoredAtItsOffsetAndReadBack) {
    std::string payments(1263, '\0');
    for (std::size_t i = 0; i < payments.size(); ++i) {
        payments[i] = static_cast<char>('a' + i % 26);
    }
    ASSERT_TRUE(store.writeCommandFile(6, 7, payments));
    EXPECT_EQ(path, working()); // an empty path means default.cmd in the program directory

    const std::string bytes = fileBytes(working());
    ASSERT_EQ(bytes.size(), kCommandFileSize);
    EXPECT_EQ(bytes.substr(1544, 1263), payments);
    EXPECT_EQ(bytes.substr(0, 1544), std::string(1544, '\0'));
    EXPECT_EQ(bytes.substr(1544 + 1263), std::string(kCommandFileSize - 1544 - 1263, '\0'));

    std::string read(1263, '\0');
    ASSERT_TRUE(store.readCommandFile(6, 7, read));
    EXPECT_EQ(read, payments);
}

TEST_F(CommandFile, EveryBlockKeepsItsNeighboursAndTheReservedAreas) {
    std::string image(kCommandFileSize, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<char>(1 + i % 251);
    }
    writeBytes(working(), image);
    for (const CommandFileBlock& block : kCommandFileBlocks) {
        const std::string data(block.size, 'Z');
        ASSERT_TRUE(store.writeCommandFile(block.type, block.step, data));
        image.replace(block.offset, block.size, data);
        ASSERT_EQ(fileBytes(working()), image) << block.type << "." << block.step;
    }
}

TEST_F(CommandFile, OperationWithoutABlockIsNeitherStoredNorPrefilled) {
    std::string image(kCommandFileSize, 'x');
    writeBytes(working(), image);
    std::string data(32, 'D');
    ASSERT_TRUE(store.writeCommandFile(6, 1, data));
    EXPECT_EQ(fileBytes(working()), image);
    ASSERT_TRUE(store.readCommandFile(6, 1, data));
    EXPECT_EQ(data, std::string(32, 'D'));
    ASSERT_TRUE(store.readCommandFile(8, 1, data));
    EXPECT_EQ(data, std::string(32, 'D'));
}

TEST_F(CommandFile, ShortFileReadsAsZerosAndIsCompletedOnWrite) {
    writeBytes(working(), std::string("Loja") + std::string(1500, '\0') + "R$");
    std::string symbol(5, '?');
    ASSERT_TRUE(store.readCommandFile(6, 3, symbol));
    EXPECT_EQ(symbol, std::string("\0\0\0\0\0", 5)); // the file ends inside the block
    std::string clock(32, '?');
    ASSERT_TRUE(store.readCommandFile(6, 5, clock));
    EXPECT_EQ(clock, std::string(32, '\0'));
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Loja :.");

    ASSERT_TRUE(store.writeCommandFile(6, 15, std::string("Ana")));
    EXPECT_EQ(fileBytes(working()).size(), kCommandFileSize);
}

TEST_F(CommandFile, TitleNamesTheIdentification) {
    store.readCommandFile(0, 0, {});
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Arquivo de comando sem nome :."); // missing

    writeBytes(working(), "");
    store.readCommandFile(0, 0, {});
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Arquivo de comando sem nome :."); // empty

    std::string image(kCommandFileSize, '\0');
    image.replace(0, 16, toCp1252("Padaria São João"));
    writeBytes(working(), image);
    store.readCommandFile(0, 0, {});
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Padaria São João :.");
    // Reading more blocks of the same file leaves the title as it is.
    const std::size_t titled = frame.titles.size();
    store.readCommandFile(6, 5, {});
    EXPECT_EQ(frame.titles.size(), titled);

    // An identification that fills its 1024 bytes without a zero stops there.
    writeBytes(working(), std::string(kCommandFileSize, 'I'));
    store.readCommandFile(0, 0, {});
    EXPECT_EQ(frame.titles.back(), "Morvelan .: " + std::string(1024, 'I') + " :.");
}

TEST_F(CommandFile, NewFileIsTheIdentificationFollowedByZeros) {
    writeBytes(working(), std::string(kCommandFileSize, 'w'));
    const std::string target = dir.file("novo.cmd");
    writeBytes(target, "old content");
    ASSERT_TRUE(store.writeCommandFile(10, 2, fileRequest(target, "Cliente X")));

    std::string expected(kCommandFileSize, '\0');
    expected.replace(0, 9, "Cliente X");
    EXPECT_EQ(fileBytes(target), expected);
    EXPECT_EQ(fileBytes(working()), std::string(kCommandFileSize, 'w')); // untouched

    // Then the new file becomes the working file's content.
    std::string open = fileRequest(target);
    ASSERT_TRUE(store.readCommandFile(10, 2, open));
    EXPECT_EQ(fileBytes(working()), expected);
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Cliente X :.");
}

TEST_F(CommandFile, SaveAsChangesOnlyTheIdentification) {
    std::string image(kCommandFileSize, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<char>('A' + i % 7);
    }
    writeBytes(working(), image);
    const std::string target = dir.file("copia.cmd");
    ASSERT_TRUE(store.writeCommandFile(10, 3, fileRequest(target, "Outra")));

    const std::string saved = fileBytes(target);
    ASSERT_EQ(saved.size(), kCommandFileSize);
    EXPECT_EQ(saved.substr(0, 1024), "Outra" + std::string(1019, '\0'));
    EXPECT_EQ(saved.substr(1024), image.substr(1024));
    EXPECT_EQ(fileBytes(working()), image);
}

TEST_F(CommandFile, SaveAsStartsFromTheWorkingIdentification) {
    std::string image(kCommandFileSize, '\0');
    image.replace(0, 7, "Atual X");
    writeBytes(working(), image);
    std::string request(kFileRequestSize, '#');
    ASSERT_TRUE(store.readCommandFile(10, 3, request));
    EXPECT_EQ(request.substr(0, kFileRequestPathSize), std::string(kFileRequestPathSize, '#'));
    EXPECT_EQ(request.substr(kFileRequestPathSize, 8), std::string("Atual X\0", 8));
}

TEST_F(CommandFile, OpeningReplacesTheWorkingFileOrLeavesIt) {
    writeBytes(working(), std::string(kCommandFileSize, 'w'));
    const std::string chosen = dir.file("escolhido.cmd");
    std::string other(kCommandFileSize, '\0');
    other.replace(0, 6, "Matriz");
    writeBytes(chosen, other);

    std::string open = fileRequest(chosen);
    ASSERT_TRUE(store.readCommandFile(10, 1, open));
    EXPECT_EQ(fileBytes(working()), other);
    EXPECT_EQ(frame.titles.back(), "Morvelan .: Matriz :.");

    // A file that cannot be read does not cost the working file.
    std::string missing = fileRequest(dir.file("nao-existe.cmd"));
    EXPECT_FALSE(store.readCommandFile(10, 1, missing));
    std::string empty = fileRequest("");
    EXPECT_FALSE(store.readCommandFile(10, 1, empty));
    EXPECT_EQ(fileBytes(working()), other);
}

TEST_F(CommandFile, UnwritableWorkingPathFallsBackToTheDefault) {
    path = dir.file("missing-folder/trabalho.cmd");
    ASSERT_TRUE(store.writeCommandFile(6, 3, std::string("R$\0\0", 5)));
    EXPECT_EQ(path, working());
    EXPECT_EQ(fileBytes(working()).substr(1495, 2), "R$");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CommandFile, NothingWritableIsReportedOnce) {
    TempDir other;
    std::string badPath = other.file("a/b.cmd");
    CommandFileStore nowhere(badPath, other.file("no-program-dir"), prompts, frame);
    EXPECT_FALSE(nowhere.writeCommandFile(6, 3, std::string("R$")));
    ASSERT_EQ(prompts.messages.size(), 1U);
    EXPECT_EQ(prompts.messages[0].title, "Alerta Morvelan");
    EXPECT_EQ(prompts.messages[0].text, "Erro ao criar o arquivo de configuração.");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
    EXPECT_EQ(badPath, other.file("no-program-dir/default.cmd"));
}

TEST_F(CommandFile, ReplacementLeavesNoTemporaryFiles) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(store.writeCommandFile(6, 4, std::string("9600")));
    }
    ASSERT_TRUE(store.writeCommandFile(10, 2, fileRequest(dir.file("b.cmd"), "B")));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
        EXPECT_TRUE(entry.path().extension() == ".cmd") << entry.path();
    }
    EXPECT_EQ(files, 2);
}

// The rename would put a regular file where the node was; a link to one is followed to it.
TEST_F(CommandFile, ReplacementRefusesWhatIsNoRegularFile) {
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.file("fifo"), dir.file("link"));
    for (const std::string& target : {dir.file("fifo"), dir.file("link")}) {
        EXPECT_FALSE(replaceFileAtomically(target, std::string("x"))) << target;
        EXPECT_EQ(replacementRefusal(target), "O arquivo " + target +
                                                  " não pode ser substituído: é um FIFO (pipe "
                                                  "nomeado), não um arquivo.");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// A process killed mid-write leaves its temporary file; a later process given the same number
// must still be able to write.
TEST_F(CommandFile, LeftoversOfAKilledProcessDoNotBlockTheWrite) {
    for (int counter = 0; counter < 20; ++counter) {
        writeBytes(working() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter),
                   "torn");
    }
    ASSERT_TRUE(store.writeCommandFile(6, 4, std::string("9600")));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(fileBytes(working()).substr(commandFileBlock(6, 4)->offset, 4), "9600");
}

// Power cuts must not pile temporary files up beside the working file: those of writers that are
// gone are removed by the next write, while a living writer's are left alone.
TEST_F(CommandFile, WriteRemovesTheLeftoversOfWritersThatAreGone) {
    const pid_t gone = goneProcessId();
    ASSERT_GT(gone, 0);
    const auto leftover = [&](pid_t pid) {
        return working() + ".tmp" + std::to_string(pid) + "-0";
    };
    writeBytes(leftover(gone), "torn");
    writeBytes(leftover(::getppid()), "in flight");
    ASSERT_TRUE(store.writeCommandFile(6, 4, std::string("9600")));
    EXPECT_FALSE(std::filesystem::exists(leftover(gone)));
    EXPECT_TRUE(std::filesystem::exists(leftover(::getppid())));
}

} // namespace
} // namespace morvelan::test
