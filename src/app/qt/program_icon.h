// The program's window icon: an EI lamination pair, drawn rather than loaded
// so that the program needs no resource files.
#pragma once

#include <QIcon>

namespace corvane {

QIcon programIcon();

}  // namespace corvane
