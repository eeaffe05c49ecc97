#include "crash_files.h"

#include "PaperRoll.h"
#include "PrintedDocuments.h"
#include "RecordingPrompts.h"
#include "StateFile.h"
#include "core/base/CommandFile.h"
#include "core/base/CommandFileCheck.h"
#include "core/base/CommandFileLayout.h"
#include "core/base/RegularFile.h"
#include "core/base/WindowlessFrame.h"
#include "core/engine/history/HistoryDatabase.h"
#include "core/features/keys/KeyHistory.h"
#include "core/features/keys/KeyRecordFile.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <stdexcept>

#include <nlohmann/json.hpp>

namespace morvelan::crash {
namespace {

namespace fs = std::filesystem;

void require(bool done, const char* what) {
    if (!done) {
        throw std::runtime_error(what);
    }
}

Reading faulty(std::string why) {
    return {0, std::move(why)};
}

std::optional<long> number(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

// A text of `size` bytes fixed by `n`: "n" and a zero, then bytes that change with n.
std::string pattern(long n, std::size_t size) {
    std::string text = std::to_string(n);
    text.push_back('\0');
    for (std::size_t i = text.size(); i < size; ++i) {
        text.push_back(static_cast<char>('A' + (static_cast<std::size_t>(n) * 7 + i) % 26));
    }
    text.resize(size);
    return text;
}

// ---- the working command file, as every form's run stores its request data

constexpr CommandFileBlock kPaymentsBlock = *commandFileBlock(6, 7);

std::string commandImage(long n) {
    std::string image(kCommandFileSize, '\0');
    if (n > 0) {
        image.replace(kPaymentsBlock.offset, kPaymentsBlock.size, pattern(n, kPaymentsBlock.size));
    }
    return image;
}

void writeCommandFile(const fs::path& directory, long n) {
    std::string path;
    test::RecordingPrompts prompts;
    WindowlessFrame frame;
    CommandFileStore store(path, directory.string(), prompts, frame);
    const std::string block = pattern(n, kPaymentsBlock.size);
    require(store.writeCommandFile(6, 7, block), "the working command file was not written");
}

Reading readCommandFile(const fs::path& directory) {
    const auto content = readWholeFile((directory / kCommandFileName).string());
    if (!content) {
        return {};
    }
    if (const auto fault = commandFileFault(*content)) {
        return faulty("refused as a command file: " + *fault);
    }
    std::string path;
    test::RecordingPrompts prompts;
    WindowlessFrame frame;
    CommandFileStore store(path, directory.string(), prompts, frame);
    std::string block(kPaymentsBlock.size, '\0');
    store.readCommandFile(6, 7, block);
    const std::optional<long> n = number(block.c_str());
    if (!n || *content != commandImage(*n)) {
        return faulty("holds no whole version");
    }
    return {*n, {}};
}

// ---- comandos.xml, when the generator saves a command's defaults

// The first command with a field, where the generator keeps defaults.
CommandSlot commandWithField(const CommandDictionary& table) {
    for (int g = 0; g < kMaxGroups; ++g) {
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            if (table.groups[g].commands[c].fieldCount > 0) {
                return {g, c};
            }
        }
    }
    throw std::runtime_error("comandos.xml has no command with a field");
}

void installDictionary(const fs::path& directory) {
    fs::copy_file(MORVELAN_COMANDOS_XML, directory / kCommandDictionaryFileName);
}

void writeDictionary(const fs::path& directory, long n) {
    test::RecordingPrompts prompts;
    auto table = std::make_unique<CommandDictionary>();
    require(LoadCommandDictionary(directory, prompts, *table), "comandos.xml was not read");
    const CommandSlot slot = commandWithField(*table);
    SetSlotText(table->groups[slot.group].commands[slot.command].fieldDefaults[0],
                std::to_string(n));
    require(SaveCommandDefaults(directory, prompts, slot.group, slot.command, *table),
            "the defaults were not saved");
}

Reading readDictionary(const fs::path& directory) {
    const auto content = readWholeFile((directory / kCommandDictionaryFileName).string());
    const auto original = readWholeFile(MORVELAN_COMANDOS_XML);
    if (!content || !original) {
        return faulty("comandos.xml cannot be read");
    }
    test::RecordingPrompts prompts;
    auto table = std::make_unique<CommandDictionary>();
    LoadCommandDictionary(directory, prompts, *table);
    if (!prompts.messages.empty()) {
        return faulty("comandos.xml does not parse: " + prompts.messages.front().text);
    }
    if (content == original) {
        return {};
    }
    const CommandSlot slot = commandWithField(*table);
    const std::optional<long> n =
        number(SlotText(table->groups[slot.group].commands[slot.command].fieldDefaults[0]));
    if (!n) {
        return faulty("comandos.xml holds no version");
    }
    // What saving version n over the installed file gives, written aside.
    const fs::path aside = directory / "expected";
    fs::remove_all(aside);
    fs::create_directory(aside);
    installDictionary(aside);
    writeDictionary(aside, *n);
    const auto expected = readWholeFile((aside / kCommandDictionaryFileName).string());
    fs::remove_all(aside);
    if (content != expected) {
        return faulty("comandos.xml holds no whole version");
    }
    return {*n, {}};
}

// ---- kvkhist.khf, one new pair recorded in each version

keys::Sha1Digest pairDigest(long n) {
    const std::string text = "par " + std::to_string(n);
    return keys::sha1({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// The history after pairs 1 to n: pair k lies in slot (k - 1) mod 100, the latest over older.
keys::KeyHistory historyAfter(long n) {
    keys::KeyHistory history;
    const auto slots = static_cast<long>(keys::kHistorySlots);
    history.used = static_cast<std::size_t>(std::min(n, slots));
    history.ringIndex = n >= slots ? static_cast<std::size_t>(n % slots) : 0;
    for (long k = std::max(1L, n - slots + 1); k <= n; ++k) {
        history.slots[static_cast<std::size_t>((k - 1) % slots)] = pairDigest(k);
    }
    return history;
}

void installHistory(const fs::path& directory) {
    fs::copy_file(MORVELAN_KEY_HISTORY, keys::keyHistoryPath(directory.string()));
}

void writeHistory(const fs::path& directory, long n) {
    require(keys::lookUpAndRecord(keys::keyHistoryPath(directory.string()), pairDigest(n)) ==
                keys::HistoryAnswer::New,
            "a new pair was taken as used");
}

Reading readHistory(const fs::path& directory) {
    const auto content = readWholeFile(keys::keyHistoryPath(directory.string()));
    if (!content || !keys::historyFileReadable(keys::keyHistoryPath(directory.string()))) {
        return faulty("kvkhist.khf cannot be read");
    }
    const keys::KeyHistory history = keys::parseHistory(*content);
    long n = static_cast<long>(history.used);
    if (history.used == keys::kHistorySlots) {
        // A full ring: the latest pair sits just before the ring index.
        const std::size_t latest =
            (history.ringIndex + keys::kHistorySlots - 1) % keys::kHistorySlots;
        n = static_cast<long>(keys::kHistorySlots + history.ringIndex);
        while (n < 10'000'000 && history.slots[latest] != pairDigest(n)) {
            n += static_cast<long>(keys::kHistorySlots);
        }
    }
    if (*content != keys::serializeHistory(historyAfter(n))) {
        return faulty("kvkhist.khf holds no whole version");
    }
    return {n, {}};
}

// ---- chaves.dat, one record appended in each version

keys::KeyRecord keyRecordOf(long n) {
    const std::string serial = "KV" + std::to_string(1'000'000'000'000'000L + n);
    const std::string user = "CNPJ" + std::to_string(10'000'000'000'000L + n);
    return keys::keyRecord(serial, user, pattern(n, keys::kRecordPublicKeySize));
}

void writeKeyRecord(const fs::path& directory, long n) {
    require(keys::appendKeyRecord(keys::keyRecordPath(directory.string()), keyRecordOf(n)),
            "the key record was not appended");
}

Reading readKeyRecords(const fs::path& directory) {
    const auto content = readWholeFile(keys::keyRecordPath(directory.string()));
    if (!content) {
        return {};
    }
    if (content->size() % keys::kKeyRecordSize != 0) {
        return faulty("chaves.dat ends in a torn record (" + std::to_string(content->size()) +
                      " bytes)");
    }
    const long records = static_cast<long>(content->size() / keys::kKeyRecordSize);
    for (long k = 0; k < records; ++k) {
        const keys::KeyRecord expected = keyRecordOf(k + 1);
        if (content->compare(static_cast<std::size_t>(k) * keys::kKeyRecordSize,
                             keys::kKeyRecordSize, expected.data(), expected.size()) != 0) {
            return faulty("chaves.dat record " + std::to_string(k + 1) + " is not whole");
        }
    }
    return {records, {}};
}

// ---- the virtual printer's state file, one header line changed in each version

fs::path statePath(const fs::path& directory) {
    return directory / "virtual-printer.json";
}
fs::path installedStatePath(const fs::path& directory) {
    return directory / "installed.json";
}

std::string headerOf(long n) {
    return "VERSAO " + std::to_string(n);
}

std::string stateText(const korva::PrinterState& state) {
    return korva::toJson(state).dump(2) + "\n";
}

void installState(const fs::path& directory) {
    korva::readState(statePath(directory)); // a new printer, as the first exchange makes it
    fs::copy_file(statePath(directory), installedStatePath(directory));
}

void writeState(const fs::path& directory, long n) {
    korva::modifyState(statePath(directory),
                       [n](korva::PrinterState& state) { state.header[0] = headerOf(n); });
}

Reading readState(const fs::path& directory) {
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().find(".bad-") != std::string::npos) {
            return faulty("the printer set its state file aside as damaged");
        }
    }
    const auto content = readWholeFile(statePath(directory).string());
    const auto installed = readWholeFile(installedStatePath(directory).string());
    if (!content || !installed) {
        return faulty("the state file is missing");
    }
    korva::PrinterState state, expected;
    try {
        state = korva::fromJson(nlohmann::json::parse(*content));
        expected = korva::fromJson(nlohmann::json::parse(*installed));
    } catch (const std::exception& e) {
        return faulty(std::string("the state file does not read: ") + e.what());
    }
    if (*content == *installed) {
        return {};
    }
    const std::string_view header = state.header[0];
    const std::optional<long> n =
        header.starts_with("VERSAO ") ? number(header.substr(7)) : std::nullopt;
    expected.header[0] = n ? headerOf(*n) : std::string();
    if (!n || *content != stateText(expected)) {
        return faulty("the state file holds no whole version");
    }
    return {*n, {}};
}

// ---- the paper roll, one document printed in each version

fs::path rollOf(const fs::path& directory) {
    return korva::paper::rollPath(statePath(directory));
}

std::string documentOf(long n) {
    return "LEITURA X " + std::to_string(n) + "\n" + korva::paper::kCutLine + "\n";
}

void writeRoll(const fs::path& directory, long n) {
    korva::paper::append(rollOf(directory), documentOf(n));
}

Reading readRoll(const fs::path& directory) {
    if (!fs::exists(rollOf(directory))) {
        return {};
    }
    const std::vector<std::string> documents = korva::paper::documents(rollOf(directory));
    std::string expected;
    for (std::size_t k = 0; k < documents.size(); ++k) {
        expected += documentOf(static_cast<long>(k) + 1);
        if (documents[k] != documentOf(static_cast<long>(k) + 1)) {
            return faulty("document " + std::to_string(k + 1) + " on the roll is not whole");
        }
    }
    if (readWholeFile(rollOf(directory).string()) != expected) {
        return faulty("the roll does not end with a whole document");
    }
    return {static_cast<long>(documents.size()), {}};
}

// The service history: version n is n operations recorded, the k-th named after k. The
// connection stays open from one record to the next, as the program keeps it.
constexpr std::string_view kRecordLabel = "Registro ";

void writeServiceHistory(const fs::path& directory, long n) {
    static std::unique_ptr<history::HistoryDatabase> database;
    if (!database) {
        database = std::make_unique<history::HistoryDatabase>(
            (directory / history::kHistoryFileName).string());
    }
    history::HistoryEntry entry;
    entry.label = std::string(kRecordLabel) + std::to_string(n);
    entry.startedAt = entry.endedAt = "2026-12-09 10:00:00";
    entry.resultLine = "( 0000 ) - Resultado sem erro";
    require(
        database->recordOperation({"KV0000000001", "MFD0000000001", "QP-L30"}, entry).has_value(),
        "the history could not be written");
}

Reading readServiceHistory(const fs::path& directory) {
    const history::HistoryDatabase database((directory / history::kHistoryFileName).string(),
                                            history::OpenMode::ReadOnly);
    if (database.state() == history::HistoryState::Missing) {
        return {0, {}};
    }
    if (database.state() != history::HistoryState::ReadOnly) {
        return faulty(database.problem());
    }
    // Newest first: the k-th from the end must be record k, with none missing or repeated.
    const auto entries = database.entries({});
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].label != std::string(kRecordLabel) + std::to_string(entries.size() - k)) {
            return faulty("the history does not hold records 1 to " +
                          std::to_string(entries.size()));
        }
    }
    return {static_cast<long>(entries.size()), {}};
}

// ---- a script the generator saves over the technician's own

constexpr const char* kScriptName = "rotina.SEQ";
constexpr std::string_view kScriptVersionMark = "// versao ";

// Version n: a comment naming it, then lines that change with n, long enough that a kill often
// lands inside the write.
std::vector<std::string> scriptLines(long n) {
    std::vector<std::string> lines{std::string(kScriptVersionMark) + std::to_string(n)};
    for (long line = 0; line < 400; ++line) {
        lines.push_back("0002|0000|" + std::to_string(n * 1000 + line));
    }
    return lines;
}

void writeScript(const fs::path& directory, long n) {
    require(WriteScriptFile(directory / kScriptName, scriptLines(n)), "the script was not saved");
}

Reading readScript(const fs::path& directory) {
    const auto lines = ReadScriptFile(directory / kScriptName);
    if (!lines) {
        return {};
    }
    const std::string_view first = lines->empty() ? std::string_view() : lines->front();
    const std::optional<long> n = first.starts_with(kScriptVersionMark)
                                      ? number(first.substr(kScriptVersionMark.size()))
                                      : std::nullopt;
    if (!n || *lines != scriptLines(*n)) {
        return faulty("holds no whole version");
    }
    return {*n, {}};
}

void installNothing(const fs::path&) {}

constexpr std::array<OwnedFile, 8> kOwnedFiles = {{
    {"default.cmd", installNothing, writeCommandFile, readCommandFile},
    {"comandos.xml", installDictionary, writeDictionary, readDictionary},
    {"kvkhist.khf", installHistory, writeHistory, readHistory},
    {"chaves.dat", installNothing, writeKeyRecord, readKeyRecords},
    {"printer-state", installState, writeState, readState},
    {"paper-roll", installNothing, writeRoll, readRoll},
    {"historico.db", installNothing, writeServiceHistory, readServiceHistory},
    {"rotina.SEQ", installNothing, writeScript, readScript},
}};

} // namespace

std::span<const OwnedFile> ownedFiles() {
    return kOwnedFiles;
}

const OwnedFile* findOwnedFile(std::string_view name) {
    const auto found = std::find_if(kOwnedFiles.begin(), kOwnedFiles.end(),
                                    [name](const OwnedFile& file) { return file.name == name; });
    return found == kOwnedFiles.end() ? nullptr : &*found;
}

} // namespace morvelan::crash
