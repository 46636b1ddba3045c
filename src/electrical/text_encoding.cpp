#include "electrical/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace corvane {

namespace {

// Converts the whole input or nothing: any invalid or unencodable sequence
// fails the conversion instead of being replaced.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output;
  std::vector<char> buffer(4096);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  bool ok = true;
  while (inLeft > 0) {
    char* out = buffer.data();
    size_t outLeft = buffer.size();
    size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer.data(), buffer.size() - outLeft);
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      ok = false;  // EILSEQ or EINVAL: a character the other side lacks, or a cut sequence
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return output;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view text) {
  if (!isValidUtf8(text)) return std::nullopt;
  return convert("GBK", "UTF-8", text);
}

std::optional<std::string> gbkToUtf8(std::string_view bytes) {
  return convert("UTF-8", "GBK", bytes);
}

bool isValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char lead = static_cast<unsigned char>(bytes[i]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      unsigned char next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool overlong = code < kSmallest[length];
    bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

}  // namespace corvane
