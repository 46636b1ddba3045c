// Writing a file so that it is never found half written: the bytes go to a
// temporary file beside the target, which is renamed over the target only
// when complete. A failed write leaves the old file as it was.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace corvane {

// The reason of a file error in words for the user ("文件或文件夹不存在", ...).
std::string fileErrorReason(const std::error_code& error);

// Replaces the file at `path` by `bytes`; false with the reason in `why` when
// it cannot (the target then keeps its old content).
bool writeFileReplacing(const std::string& path, std::string_view bytes, std::string& why);

}  // namespace corvane
