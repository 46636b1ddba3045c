#include "model/print_job.h"

#include <memory>

#include "model/host.h"
#include "model/print_surface.h"

namespace corvane {

std::string printFailureText(const PrintSurface& page) {
  return "无法打印到“" + page.deviceName() + "”：" + page.failure() + "。";
}

bool printReport(Host& host, const std::string& title,
                 const std::function<void(PrintSurface&)>& report) {
  std::unique_ptr<PrintSurface> page = host.choosePrinter();
  if (!page) return false;
  report(*page);
  page->endDoc();  // a report that already ended its document is not ended twice
  if (!page->failed()) return true;
  host.showMessage(printFailureText(*page), MessageIcon::Warning, title);
  return false;
}

}  // namespace corvane
