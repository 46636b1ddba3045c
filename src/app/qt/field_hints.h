// What a field shows beyond its text, so every field can be read: the tool
// tip of a field says what it holds, how a typed text is read where it is
// not read as it shows (a red frame points it out), and the whole text where
// the field is too narrow for it, and why a result stands empty; a drop-down opens wide enough for
// its longest item; a caption wider than its box takes the free room beside it. Views only: nothing
// here changes a design value.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;

namespace corvane {

class Control;

// A text of the form (a tool tip, a reading note) as the user reads it.
using ShownText = std::function<QString(const std::string&)>;

void showFieldHints(QLineEdit& edit, const Control& control, const ShownText& shown);
void showListHints(QComboBox& combo, const Control& control, const ShownText& shown);
// Call once the form's widgets are placed: the room beside a label is what
// its neighbours leave.
void fitCaption(QLabel& label);
// A button's caption (a command, check box or option) too wide for it: a
// smaller face, down to three quarters of the design's, and the whole
// caption in the tip. English captions run longer than the Chinese ones the
// layouts were drawn for.
void fitCaption(QAbstractButton& button);

}  // namespace corvane
