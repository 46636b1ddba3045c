// How a typed field is read, where it is not read as the designer may think:
// a quantity whose text does not start with a number reads as 0, a quantity
// that cannot be negative (a voltage, a current, a diameter, turns, a length)
// is shown a negative value, and a negative output is a negative rail that
// the design takes at its magnitude. The design reads every field by the
// leading-number rule whatever this says; views use it to point it out.
#pragma once

#include <string>

namespace corvane {

class Control;

// "" when the field reads as it shows; otherwise a note for its tool tip,
// such as "读作 0".
std::string readingNote(const Control& control);

}  // namespace corvane
