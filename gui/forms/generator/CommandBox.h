// The generator form's command box: the form's command as "code - name" with its number of
// fields beside it. Typing the start of a command's code or name offers the dictionary's
// commands; the one chosen goes to `chosen`.
#pragma once

#include "core/scripts/generator/CommandChoices.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCompleter;
class QLabel;
class QLineEdit;
class QModelIndex;
class QSortFilterProxyModel;
class QStandardItemModel;

namespace morvelan {

class CommandBox final : public QWidget {
public:
    using Chosen = std::function<void(int group, int command)>;

    explicit CommandBox(Chosen chosen, QWidget* parent = nullptr);

    // The commands offered: the dictionary's, once it is loaded.
    void setChoices(const std::vector<CommandChoice>& choices);

    // The form's command (UTF-8; empty for none) and its number of fields.
    void showCommand(const QString& command, int fieldCount);

    QLineEdit* line() const { return m_line; }
    QCompleter* completer() const { return m_completer; }

private:
    void offer(const QString& typed);
    void choose(const QModelIndex& offered);

    QLineEdit* m_line;
    QLabel* m_fieldCount;
    QStandardItemModel* m_commands;
    QSortFilterProxyModel* m_offered;
    QCompleter* m_completer;
    Chosen m_chosen;
};

} // namespace morvelan
