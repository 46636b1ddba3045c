// The "打印" menu of the stage forms: an image of the form as shown, on the
// printer the user picks. A cancelled printer dialog prints nothing; a
// printer that fails says so.
#pragma once

namespace corvane {

class Form;

void printFormImage(Form& form);

}  // namespace corvane
