// The function tree: "Funções", its groups and their items. Picking an item (again or for the
// first time) asks the frame for its form; a group or the root asks for the empty form.
#pragma once

#include "core/engine/FunctionNames.h"
#include "gui/app/FunctionTreeLabels.h"

#include <QTreeWidget>

#include <functional>
#include <span>

namespace morvelan {

class CLeftView final : public QTreeWidget {
public:
    using PickHandler = std::function<void(int group, int item)>;

    CLeftView(std::span<const FunctionGroup> names, PickHandler onPick, QWidget* parent = nullptr);

    // The code of a tree entry: (group, item) for an item, (0, 0) for a group or the root.
    static std::pair<int, int> codeOf(const QTreeWidgetItem* entry);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void pick(QTreeWidgetItem* entry);

    PickHandler m_onPick;
};

} // namespace morvelan
