// The designation search of the bobbin catalogue. A search text S finds every
// designation that starts with S (surrounding blanks trimmed), where '*' in S
// stands for any run of characters and every other character stands for
// itself; letters compare without regard to ASCII case. Both catalogues run
// the matcher below (the SQLite one over its designation index); the LIKE
// pattern gives the same rows in SQL.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// S without leading and trailing blanks and tabs.
std::string_view trimBlanks(std::string_view text);

// The pattern for `... LIKE ?1 ESCAPE '\'`: '%', '_' and '\' of S escaped with
// '\', each run of '*' turned into one '%', and a final '%' for "starts with".
std::string likePatternFor(std::string_view searchText);

// Whether `designation` is found by `searchText`, exactly as the LIKE pattern
// above finds it.
bool designationMatches(std::string_view searchText, std::string_view designation);

}  // namespace corvane
