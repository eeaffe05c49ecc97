// "Gerador de scripts" (9.1): the modal dialog in which the technician builds, edits, saves,
// loads, sends and runs scripts. The decisions live in ScriptEditor; this dialog copies its
// controls into the editor's form before every action and shows the outcome after it.
#pragma once

#include "core/features/common/FormServices.h"
#include "core/scripts/generator/ScriptEditor.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace morvelan {

class CommandBox;

class CScriptDlg final : public QDialog {
public:
    explicit CScriptDlg(FormServices& services, QWidget* parent = nullptr);

    // False when the dictionary could not be read (the dialog then closes at once).
    bool opened() const { return m_opened; }
    ScriptEditor& editor() { return m_editor; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* button(const char* text, const char* name);
    void buildTree();
    void onTreeItem(QTreeWidgetItem* item);
    // Runs an editor action that returns the line to select, around copying the controls.
    template <typename Action> void act(Action action);
    void pull();
    void push(int selected);
    void showDetails();

    FormServices& m_services;
    ScriptEditor m_editor;
    bool m_opened = false;
    bool m_printerChecked = false;
    QTreeWidget* m_tree;
    CommandBox* m_commandBox;
    QLabel* m_extensionLabel;
    QComboBox* m_extension;
    std::array<QLabel*, kMaxFields> m_labels{};
    std::array<QLineEdit*, kMaxFields> m_fields{};
    QLabel* m_commentLabel;
    QLineEdit* m_comment;
    QListWidget* m_list;
    QTextEdit* m_log;
    QPushButton* m_add;
    QPushButton* m_send;
    QPushButton* m_saveEdit;
    QPushButton* m_defaults;
};

} // namespace morvelan
