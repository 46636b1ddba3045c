// The cover's window: frameless, centred on the screen and cut to the
// ellipse the cover form names.
#pragma once

#include <memory>

namespace corvane {

class Form;
class FormView;

std::unique_ptr<FormView> makeCoverWindow(Form& cover);

}  // namespace corvane
