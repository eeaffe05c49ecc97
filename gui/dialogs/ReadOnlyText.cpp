#include "gui/dialogs/ReadOnlyText.h"

#include <QLineEdit>

namespace morvelan {

void keepTextFromStart(QLineEdit* box) {
    const auto toStart = [box] {
        if (box->isReadOnly() && box->cursorPosition() != 0)
            box->setCursorPosition(0);
    };
    QObject::connect(box, &QLineEdit::textChanged, box, toStart);
    // The same text given again raises no textChanged, yet moves the cursor to the end.
    QObject::connect(box, &QLineEdit::cursorPositionChanged, box, [box, toStart] {
        if (!box->hasFocus())
            toStart();
    });
}

QLineEdit* readOnlyLine(const char* objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    keepTextFromStart(box);
    return box;
}

} // namespace morvelan
