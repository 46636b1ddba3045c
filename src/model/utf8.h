// UTF-8 helpers: the program keeps every text in UTF-8 internally.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::utf8 {

// Code points of a UTF-8 text; a malformed byte decodes as U+FFFD.
std::vector<char32_t> decode(std::string_view text);
// The text split into whole characters (each a UTF-8 string).
std::vector<std::string> characters(std::string_view text);
std::string encode(char32_t codePoint);
// East Asian wide characters take a full character cell.
bool isFullWidth(char32_t c);

}  // namespace corvane::utf8
