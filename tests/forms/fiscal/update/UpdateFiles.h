// Update files for the tests, written by tools/make-update-file into a directory of the test's.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace morvelan::update::test {

// Writes `directory`/V004.IBF or V005.IBF; `extra` are further options of the tool.
inline void makeUpdateFile(const std::string& directory, const std::string& procedure,
                           const std::string& extra = {}) {
    const std::string command = std::string("python3 '") + MORVELAN_MAKE_UPDATE_FILE + "' " +
                                procedure + " -o '" + directory + "/" + procedure + ".IBF' " +
                                extra;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace morvelan::update::test
