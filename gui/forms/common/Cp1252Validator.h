// Keeps out of a text field every character that Windows-1252 cannot carry. Whatever a form holds
// goes to the printer or into a file in that code page, where such a character would silently
// become "?"; refused here, it can be neither typed nor pasted.
#pragma once

#include <QValidator>

class QWidget;

namespace morvelan {

class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// True when every character of `text` has a Windows-1252 byte.
bool fitsCp1252(const QString& text);

// Gives every line edit under `form` that has no validator of its own a Cp1252Validator.
void restrictTextToCp1252(QWidget* form);

} // namespace morvelan
