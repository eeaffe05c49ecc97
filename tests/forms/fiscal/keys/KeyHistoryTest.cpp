// The history file read byte by byte after each record, well-formed and damaged.
#include "core/features/keys/KeyHistory.h"
#include "TempDir.h"
#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

namespace morvelan::keys::test {
namespace {

Sha1Digest digest(int n) {
    Sha1Digest d{};
    d.fill(static_cast<std::uint8_t>(n));
    return d;
}

std::string slotBytes(int n) {
    return std::string(20, static_cast<char>(n));
}

// A history file with digest(1), digest(2)... in the first `digests` slots.
std::string historyFile(int digests, int ring, int used) {
    std::string bytes(kHistoryFileSize, '\0');
    for (int i = 0; i < digests; ++i) {
        bytes.replace(static_cast<std::size_t>(i) * 20, 20, slotBytes(i + 1));
    }
    bytes[2000] = static_cast<char>(ring);
    bytes[2001] = static_cast<char>(used);
    return bytes;
}

struct HistoryCase {
    const char* name;
    std::function<std::string()> before; // empty optional: no file
    bool exists;
    // After recording digest(200):
    std::size_t newSlot;
    int ring;
    int used;
    int keptDigests; // digest(1).. digest(k) still in slots 0..k-1, except at newSlot
};

class KeyHistoryRecord : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(KeyHistoryRecord, StoresTheNewDigestAndWritesAWellFormedFile) {
    const HistoryCase& c = GetParam();
    morvelan::test::TempDir dir;
    const std::string path = keyHistoryPath(dir.path());
    if (c.exists) {
        const std::string bytes = c.before();
        ASSERT_TRUE(replaceFileAtomically(path, bytes));
    }
    EXPECT_EQ(lookUpAndRecord(path, digest(200)), HistoryAnswer::New);
    const std::string after = readWholeFile(path).value_or("");
    ASSERT_EQ(after.size(), kHistoryFileSize);
    EXPECT_EQ(after.substr(c.newSlot * 20, 20), slotBytes(200));
    EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(after[2000])), c.ring);
    EXPECT_EQ(static_cast<int>(static_cast<std::uint8_t>(after[2001])), c.used);
    for (int i = 0; i < c.keptDigests; ++i) {
        if (static_cast<std::size_t>(i) != c.newSlot) {
            EXPECT_EQ(after.substr(static_cast<std::size_t>(i) * 20, 20), slotBytes(i + 1)) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyHistoryRecord,
    ::testing::Values(
        HistoryCase{"Missing", nullptr, false, 0, 0, 1, 0},
        HistoryCase{"Empty", [] { return historyFile(0, 0, 0); }, true, 0, 0, 1, 0},
        HistoryCase{"PartlyUsed", [] { return historyFile(3, 0, 3); }, true, 3, 0, 4, 3},
        HistoryCase{"FullRingAt99", [] { return historyFile(100, 99, 100); }, true, 99, 0, 100,
                    100},
        HistoryCase{"FullRingAt5", [] { return historyFile(100, 5, 100); }, true, 5, 6, 100, 100},
        HistoryCase{"RingIndexAbove99", [] { return historyFile(100, 150, 100); }, true, 0, 1, 100,
                    100},
        HistoryCase{"CountAbove100", [] { return historyFile(100, 7, 250); }, true, 7, 8, 100, 100},
        HistoryCase{"CountBelowDigestsHeld", [] { return historyFile(3, 0, 1); }, true, 3, 0, 4, 3},
        HistoryCase{"ShortFile", [] { return historyFile(3, 0, 3).substr(0, 70); }, true, 3, 0, 4,
                    3},
        HistoryCase{"LongFile", [] { return historyFile(2, 0, 2) + std::string(300, '\x7f'); },
                    true, 2, 0, 3, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyHistory, RepeatedPairIsRefusedAndTheFileNotWritten) {
    morvelan::test::TempDir dir;
    const std::string path = keyHistoryPath(dir.path());
    // digest(50) sits behind the ring index, so the lookup has to wrap to find it.
    std::string bytes = historyFile(100, 60, 100);
    ASSERT_TRUE(replaceFileAtomically(path, bytes));
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    EXPECT_EQ(lookUpAndRecord(path, digest(50)), HistoryAnswer::AlreadyUsed);
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(readWholeFile(path).value_or(""), bytes);
}

TEST(KeyHistory, OnlyAReadableFileIsFound) {
    morvelan::test::TempDir dir;
    const std::string path = keyHistoryPath(dir.path());
    EXPECT_FALSE(historyFileReadable(path));
    ASSERT_TRUE(replaceFileAtomically(path, historyFile(0, 0, 0)));
    EXPECT_TRUE(historyFileReadable(path));
}

} // namespace
} // namespace morvelan::keys::test
