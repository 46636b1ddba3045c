// Everything the user or the clock starts in the desktop program runs
// through here, so that nothing thrown reaches Qt (an exception through a Qt
// slot or event handler aborts the program). The design's own arithmetic
// stops quietly inside the event; what still escapes is a fault of the
// program, which the designer is told of once, with a line on standard
// error for the bug report, and the program goes on.
#pragma once

#include <functional>
#include <string>

namespace corvane {

class Host;
class Workspace;

// Runs `action`; whatever it throws ends in one message titled `caption`.
// False when it threw.
bool runGuarded(Host& host, const std::string& caption, const std::function<void()>& action);

// The same for an event of the workspace's (Workspace::runEvent) that no
// form's control starts: the message bears the program's title.
bool runGuardedEvent(Workspace& workspace, const std::function<void()>& action);

}  // namespace corvane
