// Labelled read-only text fields, the building block of the reading forms.
#pragma once

#include "gui/dialogs/ReadOnlyText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QString>

#include <array>
#include <cstddef>

namespace morvelan {

// Adds "<label>" and an empty field named `objectName` to `layout`.
inline QLineEdit* addReadingField(QFormLayout* layout, const char* label,
                                  const QString& objectName) {
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setReadOnly(true);
    keepTextFromStart(field);
    layout->addRow(QString::fromUtf8(label), field);
    return field;
}

template <std::size_t N>
void showTexts(const std::array<QLineEdit*, N>& fields, const std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        fields[i]->setText(QString::fromStdString(texts[i]));
}

} // namespace morvelan
