// The about box frmAbout: product title, version line, an OK button and the
// button that starts the system's information tool.
#pragma once

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class Host;

class AboutForm : public Form {
 public:
  static constexpr const char* kName = forms::kAbout;
  explicit AboutForm(Workspace& workspace);
};

// Starts the system's information tool, or says that none is available.
void startSystemInformation(Host& host);

}  // namespace corvane
