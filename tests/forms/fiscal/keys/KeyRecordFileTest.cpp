// The key file: the record's layout and whole-record appends.
#include "core/features/keys/KeyRecordFile.h"
#include "TempDir.h"
#include "core/base/AtomicFile.h"
#include "core/base/RegularFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

namespace morvelan::keys::test {
namespace {

std::string text(const KeyRecord& record) {
    return std::string(record.begin(), record.end());
}

TEST(KeyRecordFile, RecordTakesEachReadingAtItsOffset) {
    std::string printer(112, '\0');
    printer.replace(0, 24, "KV0123456789ABCDEFGHxxxx");
    std::string user(52, '\0');
    user.replace(0, 20, "11.222.333/0001-81IE");
    std::string key(1282, '\0');
    key.replace(0, 262, std::string(256, 'A') + "010001");
    key[1281] = 'Z'; // beyond the 1280 bytes taken

    const std::string record = text(keyRecord(printer, user, key));
    ASSERT_EQ(record.size(), 1319U);
    EXPECT_EQ(record.substr(0, 20), "KV0123456789ABCDEFGH");
    EXPECT_EQ(record.substr(20, 18), "11.222.333/0001-81");
    EXPECT_EQ(record.substr(38, 1280), key.substr(0, 1280));
    EXPECT_EQ(record[1318], '\n');
}

TEST(KeyRecordFile, AppendsOneWholeRecordEachTime) {
    morvelan::test::TempDir dir;
    const std::string path = keyRecordPath(dir.path());
    EXPECT_EQ(path, dir.path() + "/chaves.dat");
    const KeyRecord record =
        keyRecord(std::string(112, 'P'), std::string(52, 'U'), std::string(1282, 'K'));
    ASSERT_TRUE(appendKeyRecord(path, record));
    ASSERT_TRUE(appendKeyRecord(path, record));
    EXPECT_EQ(readWholeFile(path).value_or(""), text(record) + text(record));
    EXPECT_FALSE(appendKeyRecord(dir.path() + "/missing/chaves.dat", record));
}

// A write cut short (the process's file size limit stands in for a full disk) appends nothing.
TEST(KeyRecordFile, RecordCutShortIsTakenBack) {
    morvelan::test::TempDir dir;
    const std::string path = keyRecordPath(dir.path());
    const KeyRecord record =
        keyRecord(std::string(112, 'P'), std::string(52, 'U'), std::string(1282, 'K'));
    ASSERT_TRUE(appendKeyRecord(path, record));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = kKeyRecordSize + 500;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool appended = appendKeyRecord(path, record);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(appended);
    EXPECT_EQ(readWholeFile(path).value_or(""), text(record));
}

// Part of a record left by an earlier writer is dropped, so that what is appended stays aligned.
TEST(KeyRecordFile, TornTailIsDroppedBeforeTheAppend) {
    morvelan::test::TempDir dir;
    const std::string path = keyRecordPath(dir.path());
    const KeyRecord record =
        keyRecord(std::string(112, 'P'), std::string(52, 'U'), std::string(1282, 'K'));
    ASSERT_TRUE(replaceFileAtomically(path, text(record) + text(record).substr(0, 700)));
    ASSERT_TRUE(appendKeyRecord(path, record));
    EXPECT_EQ(readWholeFile(path).value_or(""), text(record) + text(record));
}

} // namespace
} // namespace morvelan::keys::test
