// The frames the LMF and MFD forms share: "Faixa" with its two edits, and a frame holding one
// choice list.
#pragma once

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QString>
#include <QVBoxLayout>

#include <array>

namespace morvelan {

// Adds the "Faixa" frame with "Inicio:" and "Fim:" to `layout`.
inline void addRangeFrame(QWidget* parent, QBoxLayout* layout, int length, QLineEdit*& start,
                          QLineEdit*& end) {
    auto* frame = new QGroupBox(QStringLiteral("Faixa"), parent);
    auto* fields = new QFormLayout(frame);
    start = new QLineEdit(frame);
    start->setObjectName(QStringLiteral("rangeStart"));
    start->setMaxLength(length);
    end = new QLineEdit(frame);
    end->setObjectName(QStringLiteral("rangeEnd"));
    end->setMaxLength(length);
    fields->addRow(QStringLiteral("Inicio:"), start);
    fields->addRow(QStringLiteral("Fim:"), end);
    layout->addWidget(frame);
}

// Adds a frame titled `title` holding a list of `choices` named `objectName`.
template <std::size_t N>
QComboBox* addChoiceFrame(QWidget* parent, QBoxLayout* layout, const char* title,
                          const std::array<const char*, N>& choices, const QString& objectName) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    auto* fields = new QVBoxLayout(frame);
    auto* list = new QComboBox(frame);
    list->setObjectName(objectName);
    for (const char* choice : choices)
        list->addItem(QString::fromUtf8(choice));
    fields->addWidget(list);
    layout->addWidget(frame);
    return list;
}

} // namespace morvelan
