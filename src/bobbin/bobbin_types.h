// The three bobbin types: which option selects each, how many slots it has,
// its catalogue table and the type text the later stages show.
#pragma once

#include <array>
#include <string_view>

#include "bobbin/bobbinform_fields.h"
#include "bobbin/catalogue/bobbin_tables.h"

namespace corvane::bobbin {

struct BobbinType {
  const char* option;
  const char* caption;
  int slots;
  // mm of the window height taken by the flanges (and the divider of a
  // two-slot bobbin); the rest is shared by the slots
  double flangeAllowance;
  std::string_view table;  // catalogue table
  const char* typeText;
};

// option, caption, slots, flange allowance (mm), catalogue table, type text
inline constexpr std::array<BobbinType, 3> kBobbinTypes{{
    {bobbinform::OPTG, "工字", 1, 3, kBobbinTables[0], "工字型"},
    {bobbinform::OPTW, "王字", 2, 4.5, kBobbinTables[1], "王字型"},
    {bobbinform::Option1, "抽屉式", 2, 4.5, kBobbinTables[2], "抽屉型"},
}};

}  // namespace corvane::bobbin
