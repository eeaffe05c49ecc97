// The script generator and editor's logic: the command tree from the dictionary, the command
// form, the script list with its editing actions, and saving, loading, sending and running. The
// dialog CScriptDlg copies its controls into form() before every action and shows form(),
// lines() and title() after it. Lives on the user-interface thread.
//
// Texts: list lines and form values are Windows-1252, as in the script file; messages are UTF-8.
#pragma once

#include "core/engine/Engine.h"
#include "core/scripts/dictionary/CommandDictionary.h"
#include "core/scripts/executor/ScriptRunner.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace morvelan {

inline constexpr const char* kNoScriptTitle =
    "Gerador / Editor de Script - Nenhum Script Selecionado - (pressione F1 para ajuda)";

enum class EditorMode { Command, Comment, Message, LoopEnd };

// What the command form shows. Hidden controls are empty.
struct EditorForm {
    std::string command; // "code - name" of the form's command; empty for none
    int fieldCount = 0;  // fields shown
    std::array<std::string, kMaxFields> labels{};
    std::array<std::string, kMaxFields> values{};
    std::array<bool, kMaxFields> enabled{};
    std::vector<std::string> extensions; // "code - description"
    int extension = -1;                  // selected entry
    bool commentShown = false;
    std::string comment;
    bool addShown = false;      // "Adicionar ao Script" and "Enviar para impressora"
    bool defaultsShown = false; // "Usar valor(es) como default"
    bool saveEditShown = false; // "Salvar Edição"
};

struct TreeCommand {
    std::string text; // "%02d.%02d - name"
    int group = 0;    // one-based slots
    int command = 0;
};
struct TreeGroup {
    std::string text; // "%02d - name"
    std::vector<TreeCommand> commands;
};

class ScriptEditor {
public:
    explicit ScriptEditor(Engine& engine);

    // Loads the dictionary; false (after its message) when comandos.xml cannot be read.
    bool open();
    std::vector<TreeGroup> tree() const;

    // A command picked in the tree (one-based slots; 0 for the root or a group).
    void pickCommand(int group, int command);
    // A command chosen by its code or name while a line is edited: the form shows it, and the
    // edit of the selected line goes on with it.
    void chooseCommand(int group, int command);

    // The list actions; `selected` is the selected list line (-1 for none). Each returns the
    // line to select afterwards (-1 for none).
    int add(int selected);
    int selectLine(int selected);
    int saveEdit(int selected);
    int remove(int selected);
    int moveUp(int selected);
    int moveDown(int selected);
    void insertComment();
    int commentCommand(int selected);
    int uncommentCommand(int selected);

    void saveDefaults();
    void sendToPrinter();
    void saveScript();
    void loadScript();
    void clearScript();
    void executeScript();
    // "Verificar Script": the list checked as it would be saved; the findings in a message.
    void checkScript();
    // False, after its message, when there is no log to show.
    bool hasDetails();

    // The form's line: with the display name for the list, without it to send or comment.
    std::string buildLine(bool withDisplayName) const;

    EditorForm& form() { return form_; }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& title() const { return title_; }
    const std::string& log() const { return logs_[0]; }
    const std::string& scriptPath() const { return scriptPath_; }
    EditorMode mode() const { return mode_; }
    bool modified() const { return modified_; }
    const CommandDictionary& dictionary() const { return *dictionary_; }

private:
    void emptyForm();
    void showCommand(int group, int command);
    bool writeList(const std::string& path);
    const CommandEntry* selectedCommand() const;
    Prompts& prompts() { return engine_.prompts(); }

    Engine& engine_;
    std::unique_ptr<CommandDictionary> dictionary_;
    ScriptRunner runner_;
    EditorForm form_;
    std::vector<std::string> lines_;
    EditorMode mode_ = EditorMode::Command;
    int group_ = 0, command_ = 0; // the form's command, one-based; 0 for none
    bool modified_ = false;
    std::string title_ = "Dialog";
    std::string scriptPath_;
    ScriptLogs logs_;
};

} // namespace morvelan
