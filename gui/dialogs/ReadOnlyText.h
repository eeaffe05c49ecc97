// Read-only text boxes that show their text from its first character.
#pragma once

class QLineEdit;
class QWidget;

namespace morvelan {

// QLineEdit::setText leaves the cursor, and so the view, at the end of the text: a long result
// line would hide "( 0004 )", the code a technician looks up. While the box is read-only and not
// in the technician's hands (focused), every text it is given is shown from its start; a box
// that is editable again behaves as any other.
void keepTextFromStart(QLineEdit* box);

// A read-only box named `objectName`, showing its texts from the start.
QLineEdit* readOnlyLine(const char* objectName, QWidget* parent = nullptr);

} // namespace morvelan
