// The reasons the program gives for a design file or a project file it
// cannot read or write, made by handing the real readers and writers broken
// samples: what corvane-texts asks to translate besides the walk.
#pragma once

#include <string>
#include <vector>

namespace corvane {

class Workspace;

// Each reason as a message shows it, after a quoted file name ("“F”：…。"),
// so that it is split into phrases as the message is.
std::vector<std::string> fileReasonSamples();

// The reasons a project file that reads does not fit the program's forms,
// and the message of the parts an open skips, each as a message shows it;
// the workspace is not touched.
std::vector<std::string> projectFitSamples(const Workspace& workspace);

}  // namespace corvane
