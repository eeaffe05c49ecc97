#include "FakeLibrary.h"
#include "TempDir.h"
#include "core/engine/KorvaLibrary.h"

#include <gtest/gtest.h>

namespace morvelan::test {
namespace {

TEST(EngineLibraryBinding, LogDirectoryEndsInTheSlotFolder) {
    EXPECT_EQ(libraryLogDirectory("/home/tec/.local/share"),
              "/home/tec/.local/share/Korva/InterfaceKorva/DataFiles/Log/00/");
    EXPECT_EQ(libraryLogDirectory("/data/"), "/data/Korva/InterfaceKorva/DataFiles/Log/00/");
}

TEST(EngineLibraryBinding, MissingLibraryGivesAnEmptyHandleAndNoEntries) {
    TempDir dir;
    const BoundLibrary library = bindLibrary(dir.path(), dir.path());
    EXPECT_EQ(library.handle, nullptr);
    EXPECT_EQ(library.entries.Obter_Estado_Impressora, nullptr);
    char status[21] = {};
    EXPECT_EQ(callEntry(library.entries, &LibraryEntries::Obter_Estado_Impressora, status),
              kMissingEntryPoint);
}

TEST(EngineLibraryBinding, TableBindingCountsAsLoaded) {
    FakeLibrary::reset();
    LibraryEntries entries = FakeLibrary::entries();
    entries.Enable_DS_Key = nullptr;
    const BoundLibrary library = bindLibraryFromTable(entries);
    EXPECT_NE(library.handle, nullptr);
    EXPECT_EQ(callEntry(library.entries, &LibraryEntries::Enable_DS_Key), kMissingEntryPoint);
    EXPECT_EQ(callEntry(library.entries, &LibraryEntries::Config_Operador, "Maria"), 0);
    ASSERT_EQ(FakeLibrary::calls.size(), 1U);
    EXPECT_EQ(FakeLibrary::calls[0].args.at(0), "Maria");
}

} // namespace
} // namespace morvelan::test
