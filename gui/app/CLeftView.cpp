#include "gui/app/CLeftView.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QToolTip>

namespace morvelan {

namespace {
constexpr int kGroupRole = Qt::UserRole;
constexpr int kItemRole = Qt::UserRole + 1;

// The script generator is a dialog over the tree; once it closes the selection leaves its item,
// so that picking it again opens it again.
constexpr std::pair<int, int> kScriptGenerator{9, 1};
} // namespace

CLeftView::CLeftView(std::span<const FunctionGroup> names, PickHandler onPick, QWidget* parent)
    : QTreeWidget(parent), m_onPick(std::move(onPick)) {
    setObjectName(QStringLiteral("functionTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    // Every entry is one line of the same font beside an icon of the same size, so the view
    // measures one row instead of every row it lays out or paints.
    setUniformRowHeights(true);
    const QIcon rootIcon = entryIcon(QStringLiteral("root"));
    const QIcon groupIcon = entryIcon(QStringLiteral("group"));
    const QIcon itemIcon = entryIcon(QStringLiteral("item"));
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("Funções")});
    root->setIcon(0, rootIcon);
    for (const auto& group : names) {
        auto* groupEntry = new QTreeWidgetItem(root, {groupLabel(group.number, group.name)});
        groupEntry->setIcon(0, groupIcon);
        for (const auto& item : group.items) {
            auto* itemEntry =
                new QTreeWidgetItem(groupEntry, {itemLabel(group.number, item.number, item.name)});
            itemEntry->setIcon(0, itemIcon);
            itemEntry->setData(0, kGroupRole, group.number);
            itemEntry->setData(0, kItemRole, item.number);
        }
    }
    root->setExpanded(true);
    // The root is current from the start, beside the empty form. Left unset, the tree's first
    // focus would make the root current itself, and that change would pick it and build the
    // empty form a second time before the window is first seen.
    setCurrentItem(root, 0, QItemSelectionModel::NoUpdate);

    // A mouse press picks the entry every time, so picking the same item again resets its form;
    // the keyboard picks through the change of the current entry.
    connect(this, &QTreeWidget::itemPressed, this,
            [this](QTreeWidgetItem* entry, int) { pick(entry); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (current != nullptr && QApplication::mouseButtons() == Qt::NoButton)
                    pick(current);
            });
}

std::pair<int, int> CLeftView::codeOf(const QTreeWidgetItem* entry) {
    if (entry == nullptr || entry->childCount() > 0 || !entry->data(0, kGroupRole).isValid())
        return {0, 0};
    return {entry->data(0, kGroupRole).toInt(), entry->data(0, kItemRole).toInt()};
}

bool CLeftView::viewportEvent(QEvent* event) {
    // At the pane's opening width many names end in "…"; resting the mouse on one shows it whole.
    // Sizing the column to its widest entry instead would scroll sideways, and costs the first
    // window a layout pass.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QRect shown = visualRect(index);
        if (index.isValid() && sizeHintForIndex(index).width() > shown.width()) {
            QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), shown);
            return true;
        }
        QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void CLeftView::pick(QTreeWidgetItem* entry) {
    const auto code = codeOf(entry);
    m_onPick(code.first, code.second);
    if (code == kScriptGenerator && entry->parent() != nullptr) {
        // Moving the selection is no new pick: the empty form is already shown.
        const QSignalBlocker quiet(this);
        setCurrentItem(entry->parent());
    }
}

} // namespace morvelan
