// The files the program owns, each with the writer the program writes it with and the reader the
// program starts with. Version n of a file is a content fixed by n alone, so that after a kill at
// any instant the file can be told to hold one whole version, and which one.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace morvelan::crash {

struct Reading {
    long version = 0;  // 0: as installed (or missing, for a file the program creates)
    std::string fault; // why the file holds no whole version; empty when it does
};

struct OwnedFile {
    const char* name;
    // Leaves `directory` as a new installation has it.
    void (*install)(const std::filesystem::path& directory);
    // Writes version `n` over version n - 1 as the program does; throws when the writer fails.
    void (*write)(const std::filesystem::path& directory, long n);
    // Reads the file as the program does at start and says which version it holds.
    Reading (*read)(const std::filesystem::path& directory);
};

std::span<const OwnedFile> ownedFiles();
const OwnedFile* findOwnedFile(std::string_view name);

} // namespace morvelan::crash
