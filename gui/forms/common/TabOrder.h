// The order Tab visits a form's controls: as the eye reads them, row by row from the top, left to
// right within a row, whatever order the code happened to create them in.
#pragma once

class QWidget;

namespace morvelan {

// Sets the tab order of the controls under `form` from their places on it. Call once every
// control exists and the form has been laid out (the forms do it when first shown).
void orderTabStopsByPosition(QWidget* form);

// Gives the focus to the first control of `form` that Tab would reach, or to the form itself when
// it has none.
void focusFirstControl(QWidget* form);

} // namespace morvelan
