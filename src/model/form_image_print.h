// The "打印" menu of the stage forms: an image of the form as shown, on the
// printer the user picks. Any printer failure is ignored; a cancelled
// printer dialog prints nothing.
#pragma once

namespace corvane {

class Form;

void printFormImage(const Form& form);

}  // namespace corvane
