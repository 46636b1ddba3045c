#include "model/utf8.h"

namespace corvane::utf8 {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// Length of the sequence starting at `lead`, 0 for a byte that cannot start one.
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}
}  // namespace

std::vector<char32_t> decode(std::string_view text) {
  std::vector<char32_t> out;
  for (const std::string& ch : characters(text)) {
    auto lead = static_cast<unsigned char>(ch[0]);
    int length = sequenceLength(lead);
    if (length == 0 || static_cast<int>(ch.size()) != length) {
      out.push_back(kReplacement);
      continue;
    }
    char32_t cp = length == 1 ? lead : (lead & (0x7F >> length));
    for (int i = 1; i < length; ++i) cp = (cp << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
    out.push_back(cp);
  }
  return out;
}

std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < text.size()) {
    int length = sequenceLength(static_cast<unsigned char>(text[i]));
    size_t take = 1;
    if (length > 1 && i + length <= text.size()) {
      bool valid = true;
      for (int k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) valid = false;
      if (valid) take = length;
    }
    out.emplace_back(text.substr(i, take));
    i += take;
  }
  return out;
}

std::string encode(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return out;
}

bool isFullWidth(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6);
}

}  // namespace corvane::utf8
