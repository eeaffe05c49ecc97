#include "CLeftView.h"

#include <QApplication>
#include <QHeaderView>

namespace morvelan {

namespace {
constexpr int kGroupRole = Qt::UserRole;
constexpr int kItemRole = Qt::UserRole + 1;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QString groupLabel(int group, std::string_view name) {
    return QStringLiteral("%1 - %2").arg(group, 2, 10, QLatin1Char('0')).arg(fromUtf8(name));
}

QString itemLabel(int group, int item, std::string_view name) {
    return QStringLiteral("%1.%2 - %3")
        .arg(group, 2, 10, QLatin1Char('0'))
        .arg(item, 2, 10, QLatin1Char('0'))
        .arg(fromUtf8(name));
}

CLeftView::CLeftView(std::span<const FunctionGroup> names, PickHandler onPick, QWidget* parent)
    : QTreeWidget(parent), m_onPick(std::move(onPick)) {
    setObjectName(QStringLiteral("functionTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("Funções")});
    for (const auto& group : names) {
        auto* groupEntry = new QTreeWidgetItem(root, {groupLabel(group.number, group.name)});
        for (const auto& item : group.items) {
            auto* itemEntry =
                new QTreeWidgetItem(groupEntry, {itemLabel(group.number, item.number, item.name)});
            itemEntry->setData(0, kGroupRole, group.number);
            itemEntry->setData(0, kItemRole, item.number);
        }
    }
    root->setExpanded(true);

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

void CLeftView::pick(QTreeWidgetItem* entry) {
    const auto [group, item] = codeOf(entry);
    m_onPick(group, item);
}

} // namespace morvelan
