// Font faces of the Chinese desktop the forms and reports name ("黑体",
// "宋体", ...), mapped onto the CJK face this system has.
#pragma once

#include <QFont>

namespace corvane {

// Maps the Chinese desktop face names onto an installed CJK face. Call once
// after the application object exists.
void installFontSubstitutions();

// The forms' default face: 9-point "宋体".
QFont formFont();

}  // namespace corvane
