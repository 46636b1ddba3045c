// The catalogue's layout: one table per bobbin type and the columns every
// table carries, in the order of BobbinRecord.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bobbin/catalogue/bobbin_catalogue.h"

namespace corvane {

// 工字 (one slot), 王字 (two slots), 抽屉式 (drawer, two slots)
inline constexpr std::array<std::string_view, 3> kBobbinTables = {"EIB1", "EIB2", "EIB3"};

inline constexpr std::array<std::string_view, 9> kBobbinColumns = {
    "SUP", "specification", "partno", "A", "B", "C1", "C2", "D", "F"};

// The index of `table` in kBobbinTables, ASCII case ignored as the database
// engines ignore it; nullopt for any other name.
std::optional<size_t> bobbinTableIndex(std::string_view table);

// Builds a record from the column texts in kBobbinColumns order.
BobbinRecord bobbinRecordFrom(const std::array<std::string, kBobbinColumns.size()>& columns);

}  // namespace corvane
