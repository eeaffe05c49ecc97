// How the function tree shows its entries: the labels and the icons. Apart from the tree, so
// that the start-up yardstick with the same content draws exactly what the tree draws.
#pragma once

#include <QIcon>
#include <QString>

#include <string_view>

namespace morvelan {

// "%02d - %s" for a group, "%02d.%02d - %s" for an item.
QString groupLabel(int group, std::string_view name);
QString itemLabel(int group, int item, std::string_view name);

// The picture of a "root", "group" or "item" entry: closed, and open when selected.
QIcon entryIcon(const QString& kind);

} // namespace morvelan
