#include "gui/forms/common/Cp1252Validator.h"

#include "core/base/Cp1252.h"

#include <QLineEdit>
#include <QWidget>

namespace morvelan {

bool fitsCp1252(const QString& text) {
    return !toCp1252Strict(text.toStdString()).loss;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return fitsCp1252(input) ? Acceptable : Invalid;
}

void restrictTextToCp1252(QWidget* form) {
    for (auto* edit : form->findChildren<QLineEdit*>())
        if (edit->validator() == nullptr)
            edit->setValidator(new Cp1252Validator(edit));
}

} // namespace morvelan
