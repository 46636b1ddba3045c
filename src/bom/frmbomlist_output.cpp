// What leaves the cost form: the printed production list and the CSV file.
#include "bom/bom_csv.h"
#include "bom/frmbomlist.h"
#include "bom/production_list.h"
#include "model/file_access.h"
#include "model/host.h"
#include "model/print_job.h"

namespace corvane {

void FrmBomList::printProductionList() {
  printReport(host(), caption(),
              [this](PrintSurface& page) { printProductionListOn(*this, page); });
}

bool FrmBomList::exportCsv(const std::string& path) {
  if (Outcome<> written = files::writeReplacing(path, bomCsv(*this)); !written) {
    host().showMessage("无法保存材料清单“" + path + "”：" + written.reason() + "。",
                       MessageIcon::Warning, caption());
    return false;
  }
  host().showMessage("材料清单已保存到“" + path + "”。", MessageIcon::Information, caption());
  return true;
}

void FrmBomList::exportCsvChosen() {
  std::optional<std::string> path = host().chooseSaveFile(kCsvFilter);
  if (!path || path->empty()) return;
  exportCsv(*path);
}

}  // namespace corvane
