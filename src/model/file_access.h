// Whole-file reads and writes with reasons in words for the user. A write
// goes to a temporary file beside the target, which replaces the target only
// when it is complete, so a failed save leaves the old file as it was.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace corvane::files {

// The reason for a failed file operation, in Chinese, for a message.
std::string reasonText(const std::error_code& error);

// Reads the whole file into `bytes`; false and the reason in `why` when it
// cannot be read or holds more than `largest` bytes (`tooLarge` is the reason
// given then).
bool readWhole(const std::string& path, std::size_t largest, const std::string& tooLarge,
               std::string& bytes, std::string& why);

// Writes `bytes` to a temporary file in the target's folder and renames it
// over the target; false and the reason in `why` when that fails, with the
// target untouched and the temporary file removed.
bool writeReplacing(const std::string& path, const std::string& bytes, std::string& why);

}  // namespace corvane::files
