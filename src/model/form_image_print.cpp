#include "model/form_image_print.h"

#include <exception>
#include <memory>

#include "model/form.h"
#include "model/host.h"
#include "model/print_surface.h"

namespace corvane {

void printFormImage(const Form& form) {
  std::unique_ptr<PrintSurface> page = form.host().choosePrinter();
  if (!page) return;
  try {
    page->printForm(form);
    page->endDoc();
  } catch (const std::exception&) {
    // a printer error ends the job; the unfinished page is discarded with the surface
  }
}

}  // namespace corvane
