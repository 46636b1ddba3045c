// Fuzzes the field-value rules: the leading-number read of any text, the
// strict read, and the fixed and general formats of the value read.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/value.h"

namespace {

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// A formatted number never shows a negative zero such as "-0" or "-0.00".
void requireNoNegativeZero(const std::string& text) {
  if (!text.empty() && text[0] == '-') require(corvane::Val(text) != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  double value = corvane::Val(text);
  require(std::isfinite(value));
  require(!std::signbit(value) || value != 0);

  bool whole = corvane::isWholeNumber(text);
  try {
    double strict = corvane::strictNumber(text);
    require(whole);
    require(strict == value);
  } catch (const corvane::RecalcAbort&) {
    require(!whole);
  }

  try {
    for (int decimals = 0; decimals <= 6; ++decimals) {
      std::string fixed = corvane::formatFixed(value, decimals);
      requireNoNegativeZero(fixed);
      require(corvane::isWholeNumber(fixed));
    }
    std::string general = corvane::generalFormat(value);
    requireNoNegativeZero(general);
    // the general format is a fixed point of read-then-format
    require(corvane::generalFormat(corvane::Val(general)) == general);
    require(std::isfinite(corvane::roundHalfEven(value)));
  } catch (const corvane::RecalcAbort&) {
    // an overflow is a recalculation abort, never a crash
  }
  return 0;
}
