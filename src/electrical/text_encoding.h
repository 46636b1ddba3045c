// Conversions between the program's UTF-8 texts and the GBK code page (936)
// of the design files, through the C library's iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// nullopt when the text holds a character GBK cannot encode.
std::optional<std::string> utf8ToGbk(std::string_view text);
// nullopt when the bytes are not a valid GBK text.
std::optional<std::string> gbkToUtf8(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

}  // namespace corvane
