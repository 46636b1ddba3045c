// Whole-file reads and writes with reasons in words for the user. A write
// goes to a temporary file beside the target, which replaces the target only
// when it is complete, so a failed save leaves the old file as it was.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

#include "model/outcome.h"

namespace corvane::files {

// The reason for a failed file operation, in Chinese, for a message.
std::string reasonText(const std::error_code& error);
// Every reason the reads and writes here give in their own words (the
// system's message for an error they do not know).
std::vector<std::string> reasonTexts();

// The whole file, or the reason it cannot be read; a file of more than
// `largest` bytes is refused with the reason `tooLarge`.
Outcome<std::string> readWhole(const std::string& path, std::size_t largest,
                               const std::string& tooLarge);

// Writes `bytes` to a temporary file in the target's folder and renames it
// over the target; the reason when that fails, with the target untouched
// and the temporary file removed.
Outcome<> writeReplacing(const std::string& path, const std::string& bytes);

// One file of a set written together.
struct FileContent {
  std::string path;
  std::string bytes;
};

// Files that belong together: each is written to its temporary file first,
// and only when every one is complete do they replace their targets, so a
// failure to write any of them leaves every old file as it was. On failure
// `failedPath` names the file, and the temporary files are removed.
Outcome<> writeAllReplacing(const std::vector<FileContent>& files, std::string& failedPath);

}  // namespace corvane::files
