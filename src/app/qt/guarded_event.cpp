#include "app/qt/guarded_event.h"

#include <exception>
#include <iostream>

#include "app/forms/product.h"
#include "model/host.h"
#include "model/programming_error.h"
#include "model/workspace.h"

namespace corvane {

namespace {
void report(Host& host, const std::string& caption, const std::string& kind,
            const std::string& what) {
  std::cerr << "corvane: " << kind << ": " << what << std::endl;
  host.showMessage("程序内部错误：" + what, MessageIcon::Warning, caption);
}
}  // namespace

bool runGuarded(Host& host, const std::string& caption, const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const ProgrammingError& error) {
    report(host, caption, "programming error", error.what());
  } catch (const std::exception& error) {
    report(host, caption, "unexpected error", error.what());
  } catch (...) {
    report(host, caption, "unexpected error", "未知异常");
  }
  return false;
}

bool runGuardedEvent(Workspace& workspace, const std::function<void()>& action) {
  return runGuarded(workspace.host(), product::kTitle, [&] { workspace.runEvent(action); });
}

}  // namespace corvane
