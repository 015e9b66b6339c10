#pragma once

class QLineEdit;

namespace OrvaneGUIToolkit {

// The number in a line edit, read in the locale its validator accepted it
// in, so that a group separator the validator allows ("1,000") does not turn
// an accepted number into 0. Text that is no number yet (an empty field)
// reads as 0.
double FieldNumber(const QLineEdit *field);
int FieldInteger(const QLineEdit *field);

} // namespace OrvaneGUIToolkit
