// One function run over a table of inputs and the results they must give:
// each failing case names its input.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

namespace corvane::testing {

// An input text and the text it must give.
struct TextCase {
  const char* in;
  const char* out;
};

// An input number and the number it must give, exactly.
struct NumberCase {
  double in;
  double out;
};

template <class F>
void expectEachText(F&& f, std::initializer_list<TextCase> cases) {
  for (const TextCase& c : cases) EXPECT_EQ(f(c.in), c.out) << "from \"" << c.in << '"';
}

template <class F>
void expectEachNumber(F&& f, std::initializer_list<NumberCase> cases) {
  for (const NumberCase& c : cases) EXPECT_EQ(f(c.in), c.out) << "from " << c.in;
}

}  // namespace corvane::testing
