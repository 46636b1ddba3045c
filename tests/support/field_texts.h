// One check for the several fields a calculation fills: every field named
// shows its text, and a failure lists each field that does not.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace corvane::testing {

using FieldTexts = std::initializer_list<std::pair<const char*, const char*>>;

template <class TextOf>
::testing::AssertionResult fieldsShow(FieldTexts expected, TextOf textOf) {
  std::string wrong;
  for (const auto& [name, text] : expected) {
    const std::string actual = textOf(name);
    if (actual != text)
      wrong += std::string("\n  ") + name + " = \"" + actual + "\", expected \"" + text + "\"";
  }
  if (wrong.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "fields that differ:" << wrong;
}

}  // namespace corvane::testing
