// A report printed on the printer the user picks. A cancelled printer dialog
// prints nothing and says nothing; a printer or file that fails during the
// job gives one warning naming it and the reason.
#pragma once

#include <functional>
#include <string>

namespace corvane {

class Host;
class PrintSurface;

// Asks for the printer, runs `report` on it (the report ends the document)
// and reports a failed job with a message titled `title`. True when the page
// went out.
bool printReport(Host& host, const std::string& title,
                 const std::function<void(PrintSurface&)>& report);

// The message for a failed job.
std::string printFailureText(const PrintSurface& page);

}  // namespace corvane
