#include "model/form_image_print.h"

#include "model/form.h"
#include "model/print_job.h"
#include "model/print_surface.h"

namespace corvane {

void printFormImage(Form& form) {
  printReport(form.host(), form.caption(), [&form](PrintSurface& page) {
    page.printForm(form);
    page.endDoc();
  });
}

}  // namespace corvane
