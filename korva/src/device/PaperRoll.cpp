#include "PaperRoll.h"

#include "FileReplace.h"
#include "PrintedDocuments.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace korva::paper {
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& roll) {
    std::ifstream in(roll, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

fs::path rollPath(const fs::path& statePath) {
    fs::path roll = statePath;
    roll.replace_extension();
    return roll.string() + ".paper-roll.txt";
}

void append(const fs::path& roll, const std::string& document) {
    replaceFile(roll, readAll(roll) + document);
}

std::vector<std::string> documents(const fs::path& roll) {
    std::vector<std::string> found;
    std::istringstream in(readAll(roll));
    std::string current;
    for (std::string line; std::getline(in, line);) {
        current += line + "\n";
        if (line == kCutLine) {
            found.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) {
        found.push_back(std::move(current));
    }
    return found;
}

void clear(const fs::path& roll) {
    replaceFile(roll, "");
}

} // namespace korva::paper
