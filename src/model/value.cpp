#include "model/value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

constexpr int kSignificantDigits = 15;

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the decimal-number prefix of `s` starting at `pos` (0 if none).
size_t numberPrefixLength(std::string_view s, size_t pos) {
  size_t i = pos;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t mantissaDigits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expStart = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > expStart) i = j;  // "1e" keeps only the mantissa
  }
  return i - pos;
}

// Converts a validated number text; out of range or non-finite reads 0.
double convert(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Tiny magnitudes underflow to zero; huge ones are not a usable design value.
    return 0.0;
  }
  if (ec != std::errc() || !std::isfinite(value)) return 0.0;
  value = negative ? -value : value;
  return value + 0.0;  // -0 reads as 0
}

// The value as 15 significant decimal digits: value = 0.d1d2..d15 x 10^(point),
// i.e. `point` digits stand before the decimal point.
struct Decimal {
  bool negative = false;
  std::string digits;  // exactly kSignificantDigits digits, or "" for zero
  int point = 0;
};

// The digits and the decimal exponent of a text from std::to_chars in
// scientific form ("d.ddde+XX"); `digits` must hold 17 characters.
int scientificDigits(const char* first, const char* last, char* digits, int& exponent) {
  int count = 0;
  const char* p = first;
  for (; p != last && *p != 'e'; ++p)
    if (*p != '.') digits[count++] = *p;
  ++p;  // 'e'
  if (p != last && *p == '+') ++p;
  std::from_chars(p, last, exponent);
  return count;
}

// The shortest text that reads back as the value has at most 17 digits. When
// it has 15 or fewer, those digits padded with zeros are the value rounded to
// 15 digits: the 15-digit steps of a normal double are wider than its binary
// spacing, so no other 15-digit decimal lies as close. With 16 or 17 digits,
// rounding them to 15 agrees with rounding the exact binary value unless they
// end exactly on a half ("...5" as the 16th digit), where only the exact
// value decides; that case, and the subnormals with their coarser spacing,
// take the exact conversion to 15 digits.
Decimal toDecimal(double value) {
  Decimal d;
  if (value == 0) return d;
  d.negative = value < 0;
  const double magnitude = std::fabs(value);
  std::array<char, 32> text{};
  char digits[17];
  int exponent = 0;
  auto shortest = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                std::chars_format::scientific);
  int count = scientificDigits(text.data(), shortest.ptr, digits, exponent);
  const bool onHalf = count == kSignificantDigits + 1 && digits[kSignificantDigits] == '5';
  if (onHalf || magnitude < std::numeric_limits<double>::min()) {
    auto exact = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                               std::chars_format::scientific, kSignificantDigits - 1);
    count = scientificDigits(text.data(), exact.ptr, digits, exponent);
  }
  if (count > kSignificantDigits && digits[kSignificantDigits] >= '5') {
    int i = kSignificantDigits - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';  // 9.99...96 rounds to 10.0...0
      ++exponent;
    }
  }
  d.digits.assign(digits, std::min(count, kSignificantDigits));
  d.digits.resize(kSignificantDigits, '0');
  d.point = exponent + 1;
  return d;
}

enum class Tie { AwayFromZero, ToEven };

// Keeps `keep` leading digits (keep may be <= 0), rounding the rest away. The
// result digits may grow by one on a carry (then `point` grows too).
Decimal roundDigits(Decimal d, int keep, Tie tie) {
  if (d.digits.empty() || keep >= static_cast<int>(d.digits.size())) return d;
  if (keep < 0) return Decimal{};  // below half of the last kept place
  bool up = false;
  {
    char next = d.digits[keep];
    bool restZero = d.digits.find_first_not_of('0', keep + 1) == std::string::npos;
    if (next > '5' || (next == '5' && !restZero))
      up = true;
    else if (next == '5') {
      if (tie == Tie::AwayFromZero)
        up = true;
      else
        up = keep > 0 && ((d.digits[keep - 1] - '0') % 2 == 1);
    }
    d.digits.resize(keep);
  }
  if (up) {
    int i = static_cast<int>(d.digits.size()) - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');  // 0.96 -> 1.0: one more integer digit
      ++d.point;
    }
  }
  if (d.digits.find_first_not_of('0') == std::string::npos) d = Decimal{};
  return d;
}

// Digit at position `pos` counted from the first significant digit ('0' off the end).
char digitAt(const Decimal& d, int pos) {
  if (pos < 0 || pos >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[pos];
}

std::string plainText(const Decimal& d, int decimals) {
  std::string out;
  out.reserve(static_cast<size_t>(std::max(d.point, 1) + decimals + 2));
  if (d.negative && !d.digits.empty()) out.push_back('-');
  if (d.point <= 0) {
    out.push_back('0');
  } else {
    for (int i = 0; i < d.point; ++i) out.push_back(digitAt(d, i));
  }
  if (decimals > 0) {
    out.push_back('.');
    for (int i = 0; i < decimals; ++i) out.push_back(digitAt(d, d.point + i));
  }
  return out;
}

double decimalToDouble(const Decimal& d) {
  if (d.digits.empty()) return 0.0;
  std::array<char, 48> text{};
  char* end = std::copy(d.digits.begin(), d.digits.end(), text.data());
  *end++ = 'e';
  end = std::to_chars(end, text.data() + text.size(), d.point - static_cast<int>(d.digits.size()))
            .ptr;
  double magnitude = 0;
  std::from_chars(text.data(), end, magnitude);
  return d.negative ? -magnitude : magnitude;
}

void requireFinite(double value) {
  if (!std::isfinite(value)) throw RecalcAbort("overflow");
}

}  // namespace

double Val(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  size_t length = numberPrefixLength(text, pos);
  if (length == 0) return 0.0;
  return convert(text.substr(pos, length));
}

bool startsWithNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return numberPrefixLength(text, pos) > 0;
}

NumberAndRest splitLeadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  size_t length = numberPrefixLength(text, pos);
  if (length == 0) return {{}, text.substr(pos)};
  return {text.substr(pos, length), text.substr(pos + length)};
}

bool isWholeNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  size_t length = numberPrefixLength(text, pos);
  if (length == 0) return false;
  size_t end = pos + length;
  while (end < text.size() && isBlank(text[end])) ++end;
  return end == text.size();
}

double strictNumber(std::string_view text) {
  if (!isWholeNumber(text)) throw RecalcAbort("not a number");
  return Val(text);
}

std::string formatFixed(double value, int decimals) {
  requireFinite(value);
  if (decimals < 0) decimals = 0;
  Decimal d = toDecimal(value);
  return plainText(roundDigits(d, d.point + decimals, Tie::AwayFromZero), decimals);
}

std::string formatPattern(double value, std::string_view pattern) {
  size_t dot = pattern.find('.');
  int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
  return formatFixed(value, decimals);
}

std::string generalFormat(double value) {
  requireFinite(value);
  Decimal d = toDecimal(value);
  if (d.digits.empty()) return "0";
  size_t last = d.digits.find_last_not_of('0');
  d.digits.resize(last + 1);
  int count = static_cast<int>(d.digits.size());
  std::string out = d.negative ? "-" : "";
  int exponent = d.point - 1;
  if (exponent >= 15 || exponent < -4) {
    out += d.digits.front();
    if (count > 1) {
      out += '.';
      out.append(d.digits, 1, std::string::npos);
    }
    const int magnitude = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
  }
  int decimals = count > d.point ? count - d.point : 0;
  return plainText(d, decimals);
}

double roundHalfEven(double value) {
  requireFinite(value);
  Decimal d = toDecimal(value);
  return decimalToDouble(roundDigits(d, d.point, Tie::ToEven)) + 0.0;
}

double roundHalfAway(double value, int decimals) {
  return Val(formatFixed(value, decimals));
}

double checkedDivide(double numerator, double denominator) {
  if (denominator == 0) throw RecalcAbort("division by zero");
  return checkedFinite(numerator / denominator);
}

double checkedFinite(double value) {
  requireFinite(value);
  return value;
}

}  // namespace corvane
