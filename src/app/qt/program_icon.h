// The program's window icon: the pictures rendered at build time from the
// installed icon's SVG (packaging/icons/corvane.svg), carried in the program.
#pragma once

#include <QIcon>

namespace corvane {

QIcon programIcon();

}  // namespace corvane
