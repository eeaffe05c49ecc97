// The rules a script line is held to, one kind of line at a time.
#include "core/scripts/check/ScriptCheck.h"

#include "core/base/Cp1252.h"
#include "core/base/Utf8Text.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace morvelan {
namespace {

// The bytes Windows-1252 leaves without a character.
constexpr std::string_view kUndefinedBytes = "\x81\x8D\x8F\x90\x9D";
constexpr std::string_view kDigits = "0123456789";
constexpr const char* kLoopWithoutEnd =
    "Loop sem final: falta \"<FINAL DE LOOP - [n] Repetições>\" depois de \"<INICIO DE LOOP>\".";

std::string inQuotes(std::string_view cp1252) {
    return "\"" + fromCp1252(cp1252) + "\"";
}

std::string fieldCount(int count) {
    return std::to_string(count) + (count == 1 ? " campo" : " campos");
}

std::string runsAs(std::string_view line) {
    return "Linha fora do formato: é executada como " + inQuotes(line) + ".";
}

bool hasNonAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

// "0001 (Ler estado da impressora)", or the code alone for a command without a name.
std::string commandName(const CommandEntry& entry) {
    const std::string_view name = SlotText(entry.name);
    return fromCp1252(SlotText(entry.code)) +
           (name.empty() ? std::string() : " (" + fromCp1252(name) + ")");
}

// The extensions a line of the command may carry: those it lists, or the one the generator
// writes for a command that lists none.
std::vector<std::string_view> allowedExtensions(const CommandEntry& entry) {
    std::vector<std::string_view> codes;
    for (int k = 0; k < std::min<int>(entry.extensionCount, kMaxExtensions); ++k) {
        codes.push_back(SlotText(entry.extensions[k].code));
    }
    if (codes.empty()) {
        codes.push_back("0000");
    }
    return codes;
}

std::string joined(const std::vector<std::string_view>& codes) {
    std::string text;
    for (const std::string_view code : codes) {
        text += (text.empty() ? "" : ", ") + fromCp1252(code);
    }
    return text;
}

} // namespace

ScriptCheck::ScriptCheck(const CommandDictionary* dictionary, ScriptFindingSink sink)
    : dictionary_(dictionary), sink_(std::move(sink)) {}

void ScriptCheck::report(int number, std::string_view text, std::string reason) {
    ++findings_;
    sink_(ScriptFinding{number, std::string(text), std::move(reason)});
}

void ScriptCheck::line(int number, std::string_view text) {
    // The rest of an overlong line is run as a line of its own, but it is one mistake: it is
    // named once and its pieces are not checked as lines.
    if (number == lastNumber_) {
        report(number, text,
               "Linha com mais de " + std::to_string(kScriptLineBuffer - 1) +
                   " caracteres: o restante é lido como outra linha.");
        return;
    }
    lastNumber_ = number;
    checkCharacters(number, text);
    const ScriptLineKind kind = ClassifyScriptLine(text);
    switch (kind) {
    case ScriptLineKind::Command:
        checkCommand(number, text);
        break;
    case ScriptLineKind::LoopStart:
    case ScriptLineKind::LoopEnd:
    case ScriptLineKind::AdvanceDay:
    case ScriptLineKind::OtherControl:
        checkControl(number, text, kind);
        break;
    default:
        break;
    }
}

void ScriptCheck::finish() {
    if (openLoop_) {
        report(openLoop_->line, openLoop_->text, kLoopWithoutEnd);
        openLoop_.reset();
    }
}

void ScriptCheck::checkCharacters(int number, std::string_view text) {
    if (hasNonAscii(text) && isValidUtf8(text)) {
        // Bytes that read as UTF-8 are a text saved in UTF-8: Windows-1252 would show and send
        // every accented letter as two characters.
        const StrictCp1252 converted = toCp1252Strict(text);
        report(number, text,
               converted.loss
                   ? "O caractere \"" + converted.loss->character + "\" não existe no Windows-1252."
                   : std::string("O texto está em UTF-8; grave o script em Windows-1252."));
        return;
    }
    const std::size_t undefined = text.find_first_of(kUndefinedBytes);
    if (undefined != std::string_view::npos) {
        char hex[8] = {};
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(text[undefined]));
        report(number, text, std::string("O byte ") + hex + " não é um caractere do Windows-1252.");
    }
}

void ScriptCheck::checkControl(int number, std::string_view text, ScriptLineKind kind) {
    switch (kind) {
    case ScriptLineKind::LoopStart:
        if (text != kLoopStartLine) {
            report(number, text, runsAs(kLoopStartLine));
        }
        // One loop at a time: a second start moves the loop, leaving the first without its end.
        if (openLoop_) {
            report(openLoop_->line, openLoop_->text, kLoopWithoutEnd);
        }
        openLoop_ = ScriptFinding{number, std::string(text), {}};
        break;
    case ScriptLineKind::LoopEnd:
        checkLoopEnd(number, text);
        break;
    case ScriptLineKind::AdvanceDay:
        checkAdvanceDay(number, text);
        break;
    default:
        report(number, text, "Linha de controle desconhecida: é ignorada na execução.");
        break;
    }
}

void ScriptCheck::checkLoopEnd(int number, std::string_view text) {
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    const bool bracketed =
        open != std::string_view::npos && close != std::string_view::npos && open < close;
    const std::string_view count =
        bracketed ? text.substr(open + 1, close - open - 1) : std::string_view();
    if (!bracketed || count.empty() || count.size() > 4 ||
        count.find_first_not_of(kDigits) != std::string_view::npos) {
        report(number, text,
               "Quantidade de repetições inválida (" + inQuotes(count) +
                   "): use um número de 0 a 9999 entre \"[\" e \"]\".");
    } else if (text != ScriptLoopEndLine(count)) {
        report(number, text, runsAs(ScriptLoopEndLine(count)));
    }
    if (!openLoop_) {
        report(number, text, "Final de loop sem \"<INICIO DE LOOP>\" antes.");
    }
    openLoop_.reset();
}

void ScriptCheck::checkAdvanceDay(int number, std::string_view text) {
    if (text == kAdvanceDayLine) {
        return;
    }
    // However many days the line names, the run advances the clock by one.
    const std::size_t digits = text.find_first_of(kDigits);
    if (digits != std::string_view::npos) {
        const std::size_t end = text.find_first_not_of(kDigits, digits);
        const std::string_view days = text.substr(
            digits, end == std::string_view::npos ? std::string_view::npos : end - digits);
        if (days != "1") {
            report(number, text,
                   "Quantidade de dias inválida (" + inQuotes(days) +
                       "): cada \"<ADIANTAR 1 DIA>\" adianta um dia só; repita a linha para "
                       "cada dia.");
            return;
        }
    }
    report(number, text, runsAs(kAdvanceDayLine));
}

void ScriptCheck::checkCommand(int number, std::string_view text) {
    const std::vector<std::string> pieces = SplitCommandLine(text);
    if (dictionary_ == nullptr) {
        if (pieces.size() < 2 || pieces[0].size() != 4 || pieces[1].size() != 4) {
            report(number, text,
                   "Linha de comando fora do formato: código, \"|\", extensão e os campos, "
                   "cada um depois de um \"|\".");
        }
        return;
    }
    // Looked up as the generator does, which writes the scripts: the code upper-cased.
    const std::optional<CommandSlot> slot = FindCommandForEditorLine(*dictionary_, pieces[0]);
    const CommandEntry* entry = slot ? &CommandAt(*dictionary_, *slot) : nullptr;
    if (entry == nullptr || SlotText(entry->code).size() != pieces[0].size()) {
        report(number, text,
               "O comando " + inQuotes(pieces[0]) + " não existe no dicionário de comandos.");
        return;
    }
    const std::vector<std::string_view> extensions = allowedExtensions(*entry);
    if (pieces.size() < 2) {
        report(number, text,
               "Falta a extensão do comando " + commandName(*entry) +
                   "; extensões do comando: " + joined(extensions) + ".");
        return;
    }
    if (std::find(extensions.begin(), extensions.end(), pieces[1]) == extensions.end()) {
        report(number, text,
               "A extensão " + inQuotes(pieces[1]) + " não existe no comando " +
                   commandName(*entry) + "; extensões do comando: " + joined(extensions) + ".");
    }
    const int fields = static_cast<int>(pieces.size()) - 2;
    const int wanted = std::min<int>(entry->fieldCount, kMaxFields);
    if (fields != wanted) {
        report(number, text,
               "O comando " + commandName(*entry) +
                   (wanted == 0 ? " não tem campos" : " tem " + fieldCount(wanted)) +
                   ", mas a linha " +
                   (fields == 0 ? "não tem nenhum" : "tem " + fieldCount(fields)) + ".");
    }
    for (int i = 0; i < std::min(fields, wanted); ++i) {
        const std::string_view fallback = SlotText(entry->fieldDefaults[i]);
        const std::string& value = pieces[static_cast<std::size_t>(i) + 2];
        if (SlotText(entry->fieldDescriptions[i]) == kReservedField && value != fallback) {
            report(number, text,
                   "O campo " + std::to_string(i + 1) + " do comando " + commandName(*entry) +
                       " é RESERVADO e fica " + inQuotes(fallback) + ", não " + inQuotes(value) +
                       ".");
        }
    }
}

} // namespace morvelan
