#include "gui/forms/files/FilePathField.h"

#include "core/base/CommandFile.h"
#include "core/base/CommandFileActions.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>
#include <cstring>

namespace morvelan {

QLineEdit* addGroupedLine(QBoxLayout* layout, QWidget* parent, const QString& title,
                          const QString& name, int maxLength) {
    auto* group = new QGroupBox(title, parent);
    auto* inner = new QVBoxLayout(group);
    auto* line = new QLineEdit(group);
    line->setObjectName(name);
    line->setMaxLength(maxLength);
    inner->addWidget(line);
    layout->addWidget(group);
    return line;
}

std::string requestPath(std::span<const char> request) {
    const std::size_t limit = std::min(request.size(), kMaxCommandFilePath);
    return std::string(request.data(), strnlen(request.data(), limit));
}

} // namespace morvelan
