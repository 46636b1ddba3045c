// What a field shows beyond its text, so every field can be read: the tool
// tip of a field says what it holds, how a typed text is read where it is
// not read as it shows (a red frame points it out), and the whole text where
// the field is too narrow for it; a drop-down opens wide enough for its
// longest item; a caption wider than its box takes the free room beside it.
// Views only: nothing here changes a design value.
#pragma once

class QComboBox;
class QLabel;
class QLineEdit;

namespace corvane {

class Control;

void showFieldHints(QLineEdit& edit, const Control& control);
void showListHints(QComboBox& combo, const Control& control);
// Call once the form's widgets are placed: the room beside a label is what
// its neighbours leave.
void fitCaption(QLabel& label);

}  // namespace corvane
