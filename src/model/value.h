// Field values: every design value is held as text exactly as the user sees it.
// These are the rules for reading such a text as a number and for writing a
// number back as text.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

// A formatted number held in a buffer of its own: the fixed and general
// formats write into it without the heap, so a field can compare it with the
// text it shows before storing anything. Only a text longer than the buffer
// (a fixed pattern of a huge value, or of very many decimals) takes the heap.
class NumberText {
 public:
  static constexpr size_t kInline = 40;

  std::string_view view() const {
    return longText_.empty() ? std::string_view(chars_, size_) : std::string_view(longText_);
  }
  operator std::string_view() const { return view(); }
  std::string str() const { return std::string(view()); }
  bool operator==(std::string_view other) const { return view() == other; }

  // Makes the text `size` characters long and gives them to be written.
  char* resize(size_t size) {
    if (size <= kInline) {
      size_ = size;
      return chars_;
    }
    longText_.resize(size);
    return longText_.data();
  }

 private:
  char chars_[kInline];
  size_t size_ = 0;
  std::string longText_;
};

// Thrown by a checked operation (division by zero, a strict read of a
// non-number, an overflow) inside a recalculation. The event boundary of the
// form that started the recalculation catches it: the recalculation stops,
// what it already wrote stays, and no message is shown.
class RecalcAbort : public std::runtime_error {
 public:
  explicit RecalcAbort(const char* why) : std::runtime_error(why) {}
};

// Leading-number read: skip leading blanks, take the longest prefix that forms
// a decimal number (sign, digits, one point, exponent); anything else reads 0.
// "35.5W" reads 35.5, "130℃" reads 130. A number too large for a double reads
// 0 as well, and -0 reads 0, so a read never yields a non-finite value.
double Val(std::string_view text);

// True when the text, after leading blanks, begins with a decimal number
// ("35.5W", "-2"), so the leading-number read takes its value from the text.
bool startsWithNumber(std::string_view text);

// The number the leading-number read takes, as written ("495.4" of
// " 495.4g"), and what follows it; the number is empty when the text does not
// begin with one ("abc" gives "" and "abc").
struct NumberAndRest {
  std::string_view number;
  std::string_view rest;
};
NumberAndRest splitLeadingNumber(std::string_view text);

// True when the whole text (blanks around it allowed) is one decimal number.
bool isWholeNumber(std::string_view text);

// Strict read: the whole text must be a number; otherwise RecalcAbort.
double strictNumber(std::string_view text);

// Fixed pattern with `decimals` places ("0" = 0, "0.00" = 2 ... "0.000000" = 6),
// halves away from zero, decided on the decimal value of the double at 15
// significant digits (2.675 gives 2.68). Never "-0". A non-finite value is an
// overflow: RecalcAbort.
std::string formatFixed(double value, int decimals);
NumberText fixedText(double value, int decimals);

// The same with the pattern text itself: "0", "0.0", ... "0.000000".
std::string formatPattern(double value, std::string_view pattern);

// General format: shortest text of the value at 15 significant digits, no
// trailing zeros, "0" for zero, scientific ("1.5E+20", "1E-05") outside
// 1e-5 .. 1e15. A non-finite value is an overflow: RecalcAbort.
std::string generalFormat(double value);
NumberText generalText(double value);

// Whole number nearest to the value, ties to the even neighbour (660.5 gives
// 660), decided on the 15-digit decimal value like the fixed patterns.
double roundHalfEven(double value);

// Halves away from zero to `decimals` places, as the fixed patterns round.
double roundHalfAway(double value, int decimals);

// Checked arithmetic for recalculations.
double checkedDivide(double numerator, double denominator);
double checkedFinite(double value);

}  // namespace corvane
