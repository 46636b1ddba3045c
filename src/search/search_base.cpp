#include "search/search_base.h"

#include <algorithm>

#include "core/coreform_fields.h"
#include "electrical/eledata_fields.h"
#include "model/form_names.h"
#include "model/project_state.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane::search {

Outcome<SearchBase> captureBase(Workspace& workspace) {
  const Form* electrical = workspace.existing(forms::kElectrical);
  if (!electrical) return Failure{"还没有电气规格：请先新建或打开一个设计"};
  if (electrical->control(eledata::txtpo).num() <= 0)
    return Failure{"电气规格中还没有输出功率：请先输入设计要求"};
  SearchBase base;
  base.record = captureProject(workspace);
  base.twoPrimaries = electrical->control(eledata::Chkp).value() == 1;
  // the structure form counts its rows from the same texts
  base.lastGroup =
      static_cast<int>(std::max(0.0, roundHalfEven(electrical->control(eledata::txtzb).num())));
  base.context.highestRow = base.lastGroup + (base.twoPrimaries ? 2 : 1);
  base.context.structureOpen = workspace.existing(forms::kStructure) != nullptr;
  if (const Form* core = workspace.existing(forms::kCore))
    base.chosenGrade = core->control(coreform::Cmbnew).listIndex();
  base.today = workspace.host().today();
  return base;
}

int defaultGrade(const SearchBase& base) {
  return std::max(0, base.chosenGrade);
}

}  // namespace corvane::search
