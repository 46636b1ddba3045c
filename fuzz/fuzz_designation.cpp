// Fuzzes the designation search: the input is a search text and a
// designation, split at the first line break. The matcher the Access
// catalogue uses must find exactly what the SQLite catalogue's bound LIKE
// pattern finds, for every text a catalogue can hold (UTF-8 without NUL).
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "bobbin/catalogue/designation_match.h"
#include "model/utf8.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// Text a catalogue can hold: no NUL, and UTF-8 that decodes and encodes
// back to the same bytes (a malformed byte decodes as U+FFFD).
bool validUtf8(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return false;
  std::string again;
  for (char32_t c : corvane::utf8::decode(text)) again += corvane::utf8::encode(c);
  return again == text;
}

// The LIKE test the SQLite catalogue runs, on an in-memory database.
class LikeQuery {
 public:
  LikeQuery() {
    sqlite3_open(":memory:", &db_);
    sqlite3_prepare_v2(db_, "SELECT ?1 LIKE ?2 ESCAPE '\\'", -1, &statement_, nullptr);
    limit_ = sqlite3_limit(db_, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
  }
  int limit() const { return limit_; }
  bool matches(std::string_view designation, const std::string& pattern) {
    sqlite3_reset(statement_);
    // an empty view may have no data pointer, which SQLite binds as NULL
    sqlite3_bind_text(statement_, 1, designation.empty() ? "" : designation.data(),
                      static_cast<int>(designation.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(statement_, 2, pattern.data(), static_cast<int>(pattern.size()),
                      SQLITE_TRANSIENT);
    require(sqlite3_step(statement_) == SQLITE_ROW);
    return sqlite3_column_int(statement_, 0) != 0;
  }

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
  int limit_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static LikeQuery like;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\n');
  const std::string_view search = input.substr(0, split);
  const std::string_view designation =
      split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

  const bool found = corvane::designationMatches(search, designation);
  // a designation always finds itself once its blanks are trimmed
  if (designation.find('*') == std::string_view::npos)
    require(corvane::designationMatches(designation, designation) ||
            corvane::trimBlanks(designation) != designation);

  if (!validUtf8(search) || !validUtf8(designation)) return 0;
  const std::string pattern = corvane::likePatternFor(search);
  if (pattern.size() > static_cast<size_t>(like.limit())) return 0;
  require(found == like.matches(designation, pattern));
  return 0;
}
