// The read-only path field both command file forms show inside a titled group.
#pragma once

#include <QString>

#include <span>
#include <string>

class QBoxLayout;
class QLineEdit;
class QWidget;

namespace morvelan {

// Adds to `layout` a group titled `title` holding a one-line text named `name`.
QLineEdit* addGroupedLine(QBoxLayout* layout, QWidget* parent, const QString& title,
                          const QString& name, int maxLength);

// The path at the start of a type-10 request (UTF-8, up to its zero).
std::string requestPath(std::span<const char> request);

} // namespace morvelan
