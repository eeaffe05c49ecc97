#include "core/scripts/generator/ScriptEditor.h"

#include "core/base/Cp1252.h"
#include "core/base/RequestBytes.h"
#include "core/base/ResultTexts.h"
#include "core/engine/RawCommand.h"
#include "core/scripts/dictionary/AnswerFields.h"
#include "core/scripts/generator/CommandChoices.h"
#include "core/scripts/scriptfile/ScriptFile.h"

#include <cstdio>
#include <cstring>

namespace morvelan {
namespace {

constexpr const char* kScriptFilter = "Arquivos Script (*.SEQ)|*.SEQ||";
constexpr const char* kScriptExtension = "*.SEQ";
constexpr const char* kLoopCountLabel = "Quantidade de repeti\xE7\xF5"
                                        "es:";
// The extension a command without any is sent with.
constexpr const char* kNoExtension = "0000";

std::string numbered(const char* format, int a, int b, std::string_view name) {
    char prefix[16] = {};
    std::snprintf(prefix, sizeof prefix, format, a, b);
    return std::string(prefix) + fromCp1252(name);
}

} // namespace

ScriptEditor::ScriptEditor(Engine& engine)
    : engine_(engine), dictionary_(std::make_unique<CommandDictionary>()), runner_(engine) {}

bool ScriptEditor::open() {
    if (!LoadCommandDictionary(engine_.programDirectory(), prompts(), *dictionary_)) {
        prompts().message(kErrorTitle, "Arquivo de comandos (comandos.xml) não encontrado!",
                          PromptIcon::Error);
        return false;
    }
    modified_ = false;
    scriptPath_.clear();
    return true;
}

std::vector<TreeGroup> ScriptEditor::tree() const {
    std::vector<TreeGroup> groups;
    for (int g = 0; g < kMaxGroups; ++g) {
        const CommandGroup& group = dictionary_->groups[g];
        if (SlotText(group.name).empty()) {
            continue;
        }
        TreeGroup node{numbered("%02d - ", g + 1, 0, SlotText(group.name)), {}};
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            const std::string_view name = SlotText(group.commands[c].name);
            if (!name.empty()) {
                node.commands.push_back(
                    {numbered("%02d.%02d - ", g + 1, c + 1, name), g + 1, c + 1});
            }
        }
        groups.push_back(std::move(node));
    }
    return groups;
}

void ScriptEditor::emptyForm() {
    form_ = EditorForm{};
}

const CommandEntry* ScriptEditor::selectedCommand() const {
    if (group_ < 1 || group_ > kMaxGroups || command_ < 1 || command_ > kMaxCommandsPerGroup) {
        return nullptr;
    }
    return &dictionary_->groups[group_ - 1].commands[command_ - 1];
}

void ScriptEditor::showCommand(int group, int command) {
    emptyForm();
    mode_ = EditorMode::Command;
    group_ = group;
    command_ = command;
    const CommandEntry* entry = selectedCommand();
    if (entry == nullptr) {
        group_ = command_ = 0;
        return;
    }
    form_.addShown = true;
    form_.command = CommandChoiceText(SlotText(entry->code), SlotText(entry->name));
    form_.fieldCount = std::min<int>(entry->fieldCount, kMaxFields);
    form_.defaultsShown = form_.fieldCount > 0;
    for (int i = 0; i < form_.fieldCount; ++i) {
        const std::string_view description = SlotText(entry->fieldDescriptions[i]);
        form_.labels[i] = std::string(description);
        form_.values[i] = std::string(SlotText(entry->fieldDefaults[i]));
        form_.enabled[i] = description != kReservedField;
    }
    for (int k = 0; k < std::min<int>(entry->extensionCount, kMaxExtensions); ++k) {
        const CommandExtension& extension = entry->extensions[k];
        std::string text(SlotText(extension.code));
        if (!SlotText(extension.description).empty()) {
            text += " - ";
            text += SlotText(extension.description);
        }
        form_.extensions.push_back(std::move(text));
    }
    form_.extension = form_.extensions.empty() ? -1 : 0;
}

void ScriptEditor::pickCommand(int group, int command) {
    showCommand(group, command);
    form_.saveEditShown = false;
}

void ScriptEditor::chooseCommand(int group, int command) {
    const bool editing = form_.saveEditShown;
    showCommand(group, command);
    form_.saveEditShown = editing;
}

std::string ScriptEditor::buildLine(bool withDisplayName) const {
    switch (mode_) {
    case EditorMode::Comment:
        return "//" + form_.comment;
    case EditorMode::Message:
        return "#" + form_.comment;
    case EditorMode::LoopEnd:
        return ScriptLoopEndLine(form_.values[0]);
    case EditorMode::Command:
        break;
    }
    const CommandEntry* entry = selectedCommand();
    if (entry == nullptr) {
        return {};
    }
    std::string line(SlotText(entry->code));
    line += '|';
    if (form_.extension >= 0 && form_.extension < static_cast<int>(form_.extensions.size())) {
        line += form_.extensions[static_cast<std::size_t>(form_.extension)].substr(0, 4);
    } else {
        line += kNoExtension;
    }
    for (int i = 0; i < form_.fieldCount; ++i) {
        line += '|';
        line += form_.values[i];
    }
    if (withDisplayName) {
        line = std::string(SlotText(entry->name)) + " - " + line;
    }
    return line;
}

int ScriptEditor::add(int selected) {
    if (mode_ == EditorMode::LoopEnd) {
        prompts().message(kAlertTitle, "Não existe nenhum Loop aberto.", PromptIcon::Error);
        return selected;
    }
    const std::string line = buildLine(mode_ == EditorMode::Command);
    if (line.empty()) {
        return selected;
    }
    const int count = static_cast<int>(lines_.size());
    modified_ = true;
    if (count < 2 || selected < 0 || selected >= count - 1) {
        lines_.push_back(line);
        return static_cast<int>(lines_.size()) - 1;
    }
    lines_.insert(lines_.begin() + selected + 1, line);
    return -1;
}

int ScriptEditor::selectLine(int selected) {
    if (selected < 0 || selected >= static_cast<int>(lines_.size())) {
        return -1;
    }
    const std::string line = lines_[static_cast<std::size_t>(selected)];
    if (line.starts_with("//") || line.starts_with("#")) {
        emptyForm();
        mode_ = line[0] == '/' ? EditorMode::Comment : EditorMode::Message;
        form_.commentShown = true;
        form_.comment = line.substr(line[0] == '/' ? 2 : 1);
        form_.saveEditShown = true;
        return selected;
    }
    if (line.starts_with("<F")) {
        emptyForm();
        mode_ = EditorMode::LoopEnd;
        form_.fieldCount = 1;
        form_.labels[0] = kLoopCountLabel;
        form_.enabled[0] = true;
        const std::size_t open = line.find('[');
        const std::size_t close = line.find(']', open == std::string::npos ? 0 : open);
        if (open != std::string::npos && close != std::string::npos) {
            form_.values[0] = line.substr(open + 1, close - open - 1);
        }
        form_.saveEditShown = true;
        return selected;
    }
    if (line.starts_with("<")) {
        emptyForm();
        return selected;
    }
    const std::size_t dash = line.find('-');
    const std::string name =
        dash == std::string::npos || dash == 0 ? std::string() : line.substr(0, dash - 1);
    const std::string raw =
        dash == std::string::npos ? std::string() : line.substr(std::min(dash + 2, line.size()));
    const std::string code = dash == std::string::npos ? std::string("ERRO") : raw.substr(0, 4);
    for (int g = 0; g < kMaxGroups; ++g) {
        for (int c = 0; c < kMaxCommandsPerGroup; ++c) {
            const CommandEntry& entry = dictionary_->groups[g].commands[c];
            if (SlotText(entry.code) != code || SlotText(entry.name) != name ||
                SlotText(entry.code).empty()) {
                continue;
            }
            showCommand(g + 1, c + 1);
            const std::vector<std::string> pieces = SplitCommandLine(raw);
            for (int i = 0; i < form_.fieldCount; ++i) {
                const auto at = static_cast<std::size_t>(i) + 2;
                form_.values[i] = at < pieces.size() ? pieces[at] : std::string();
            }
            const std::string extension = pieces.size() > 1 ? pieces[1] : std::string();
            for (std::size_t k = 0; k < form_.extensions.size(); ++k) {
                if (form_.extensions[k].substr(0, 4) == extension) {
                    form_.extension = static_cast<int>(k);
                    break;
                }
            }
            form_.saveEditShown = true;
            return selected;
        }
    }
    prompts().message(kErrorTitle, "Comando não mapeado", PromptIcon::Error);
    return selected;
}

int ScriptEditor::saveEdit(int selected) {
    if (selected < 0 || selected >= static_cast<int>(lines_.size())) {
        return selected;
    }
    const std::string line = buildLine(mode_ == EditorMode::Command);
    if (line.empty()) {
        return selected;
    }
    lines_[static_cast<std::size_t>(selected)] = line;
    modified_ = true;
    return selected;
}

int ScriptEditor::remove(int selected) {
    if (lines_.empty()) {
        return selected;
    }
    if (selected >= 0 && selected < static_cast<int>(lines_.size())) {
        lines_.erase(lines_.begin() + selected);
    }
    if (mode_ == EditorMode::Comment || mode_ == EditorMode::Message) {
        mode_ = EditorMode::Command;
    }
    emptyForm();
    group_ = command_ = 0;
    modified_ = true;
    return -1;
}

int ScriptEditor::moveUp(int selected) {
    if (selected < 1 || selected >= static_cast<int>(lines_.size())) {
        return selected;
    }
    std::swap(lines_[static_cast<std::size_t>(selected)],
              lines_[static_cast<std::size_t>(selected) - 1]);
    modified_ = true;
    return selected - 1;
}

int ScriptEditor::moveDown(int selected) {
    if (selected < 0 || selected + 1 >= static_cast<int>(lines_.size())) {
        return selected;
    }
    std::swap(lines_[static_cast<std::size_t>(selected)],
              lines_[static_cast<std::size_t>(selected) + 1]);
    modified_ = true;
    return selected + 1;
}

void ScriptEditor::insertComment() {
    emptyForm();
    group_ = command_ = 0;
    mode_ = EditorMode::Comment;
    form_.commentShown = true;
    form_.addShown = true;
    modified_ = true;
}

int ScriptEditor::commentCommand(int selected) {
    if (lines_.empty() || mode_ == EditorMode::Comment || mode_ == EditorMode::Message ||
        selected < 0 || selected >= static_cast<int>(lines_.size())) {
        return selected;
    }
    const std::string raw = buildLine(false);
    if (raw.empty()) {
        return selected;
    }
    lines_[static_cast<std::size_t>(selected)] = "//" + raw;
    emptyForm();
    group_ = command_ = 0;
    modified_ = true;
    return -1;
}

int ScriptEditor::uncommentCommand(int selected) {
    if (lines_.empty()) {
        return selected;
    }
    modified_ = true;
    std::string text = form_.comment;
    if (text.empty() || selected < 0 || selected >= static_cast<int>(lines_.size())) {
        return selected;
    }
    const std::string code = EditorCommandCode(text);
    text.replace(0, code.size(), code);
    const auto found = FindCommandForEditorLine(*dictionary_, text);
    if (!found) {
        prompts().message(kAlertTitle, "Comando [ " + fromCp1252(code) + " ] não mapeado",
                          PromptIcon::Error);
        return selected;
    }
    lines_[static_cast<std::size_t>(selected)] =
        std::string(SlotText(CommandAt(*dictionary_, *found).name)) + " - " + text;
    mode_ = EditorMode::Command;
    emptyForm();
    group_ = command_ = 0;
    return -1;
}

void ScriptEditor::saveDefaults() {
    const CommandEntry* entry = selectedCommand();
    if (entry == nullptr || mode_ != EditorMode::Command) {
        return;
    }
    CommandEntry& editable = dictionary_->groups[group_ - 1].commands[command_ - 1];
    for (int i = 0; i < form_.fieldCount; ++i) {
        SetSlotText(editable.fieldDefaults[i], form_.values[i]);
    }
    const bool saved = SaveCommandDefaults(engine_.programDirectory(), prompts(), group_ - 1,
                                           command_ - 1, *dictionary_);
    prompts().message(kAlertTitle,
                      saved ? "Valor(es) gravado(s) com sucesso."
                            : "Erro ao gravar os valores no arquivo XML.",
                      PromptIcon::Information);
}

void ScriptEditor::sendToPrinter() {
    const RawCommandLine line = rawCommandLine(fromCp1252(buildLine(false)));
    if (!line.refusal.empty()) {
        prompts().message(kErrorTitle, line.refusal, PromptIcon::Error);
        return;
    }
    auto request = std::make_unique<SendFileRequest>();
    std::memset(request.get(), 0, sizeof *request);
    std::memcpy(request->command, line.bytes.data(), line.bytes.size());
    engine_.sendFile(*request, kAllPrinters);
    if (engine_.printerPresent[0] != 1) {
        return;
    }
    const SendFileSlot& slot = request->slots[0];
    std::string text = "( " + engine_.portName[0] + " - " + engine_.modelName[0] + " )\n\n";
    if (slot.result.resultCode != 0) {
        text += "Erro ao enviar o comando!\n" + fromCp1252Field(slot.result.resultLine);
        prompts().message(kErrorTitle, text, PromptIcon::Error);
        return;
    }
    const std::string_view answer = bufferText(slot.answer, sizeof slot.answer - 1);
    if (!answer.empty()) {
        text += "\nDados Retornados:\n\n";
        // Without a selected command the fields go unnamed rather than unidentified.
        for (const NamedField& field : NamedAnswerFields(selectedCommand(), answer)) {
            text += field.name.value_or(std::string()) + " : " + field.value + "\n";
        }
        text += "\n";
    }
    const auto texts = resultTexts(slot.result);
    for (std::size_t i = 0; i < kResultTextCount; ++i) {
        text += std::string(kResultCaptions[i]) + "\n" + texts[i] + "\n\n";
    }
    prompts().message(kAlertTitle, text, PromptIcon::Information);
}

bool ScriptEditor::writeList(const std::string& path) {
    if (!WriteScriptFile(path, lines_)) {
        return false;
    }
    lines_.clear();
    emptyForm();
    group_ = command_ = 0;
    return true;
}

void ScriptEditor::saveScript() {
    const auto path = prompts().saveFile(kScriptFilter, kScriptExtension);
    if (!path) {
        return;
    }
    if (writeList(*path)) {
        prompts().message(kAlertTitle, "Arquivo Salvo com Sucesso.", PromptIcon::Information);
        modified_ = false;
    } else {
        prompts().message(kAlertTitle, "Erro ao Salvar o Arquivo.", PromptIcon::Error);
    }
    title_ = kNoScriptTitle;
}

void ScriptEditor::loadScript() {
    const auto path = prompts().openFile(kScriptFilter, kScriptExtension);
    if (!path) {
        return;
    }
    const auto fileLines = path->size() <= kMaxScriptPath ? ReadScriptFile(*path) : std::nullopt;
    if (!fileLines) {
        prompts().message(kAlertTitle, "Erro ao Abrir o Arquivo.", PromptIcon::Error);
        return;
    }
    scriptPath_ = *path;
    title_ = "Gerador / Editor de Script - " + *path + " - (pressione F1 para ajuda)";
    lines_.clear();
    for (const std::string& line : *fileLines) {
        if (line[0] == '#' || line[0] == '/' || line[0] == '<') {
            lines_.push_back(line);
        } else if (auto shown = RestoreDisplayName(*dictionary_, line)) {
            lines_.push_back(std::move(*shown));
        } else {
            prompts().message(kAlertTitle,
                              "Comando [ " + fromCp1252(EditorCommandCode(line)) + " ] não mapeado",
                              PromptIcon::Error);
        }
    }
    prompts().message(kAlertTitle, "Arquivo Carregado com Sucesso.", PromptIcon::Information);
    form_.saveEditShown = false;
    modified_ = false;
}

void ScriptEditor::clearScript() {
    lines_.clear();
    form_.saveEditShown = false;
    modified_ = true;
    title_ = kNoScriptTitle;
}

void ScriptEditor::executeScript() {
    if (modified_) {
        if (const auto path = prompts().saveFile(kScriptFilter, kScriptExtension)) {
            if (path->size() > kMaxScriptPath || !writeList(*path)) {
                prompts().message(kAlertTitle, "Erro ao Salvar o Arquivo.", PromptIcon::Error);
                return;
            }
            scriptPath_ = *path;
            modified_ = false;
        }
    }
    if (scriptPath_.empty()) {
        prompts().message(kAlertTitle, "Não existe nenhum script carregado.", PromptIcon::Error);
        return;
    }
    runner_.runScript(scriptPath_, logs_, kAllPrinters);
}

bool ScriptEditor::hasDetails() {
    if (logs_[0].empty()) {
        prompts().message(kAlertTitle, "Não existem detalhes a serem exibidos.", PromptIcon::Error);
        return false;
    }
    return true;
}

} // namespace morvelan
