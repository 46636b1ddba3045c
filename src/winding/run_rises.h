// The temperature rises of the structure form's last operating runs, as the
// rise fields showed them ("71.5℃"), for the reports: the load run's
// open-frame rise and the same transformer enclosed in an adapter housing,
// and the no-load run's open-frame rise. A rise is empty when its run was not
// made since the winding table was last designed or recalculated.
#pragma once

#include <string>

namespace corvane::winding {

struct RunRises {
  std::string load;
  std::string loadEnclosed;
  std::string noLoad;
};

// A structure form that remembers its runs' rises.
class RunRiseSource {
 public:
  virtual ~RunRiseSource() = default;
  virtual RunRises lastRunRises() const = 0;
};

}  // namespace corvane::winding
