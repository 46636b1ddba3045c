#include "model/value.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace corvane {

namespace {

constexpr int kSignificantDigits = 15;
// 10^15: one more than the largest 15-digit mantissa.
constexpr std::uint64_t kMantissaLimit = 1'000'000'000'000'000;
constexpr std::uint64_t kSmallestMantissa = kMantissaLimit / 10;

// Powers of ten up to 10^22, every one exactly a double.
constexpr std::array<double, 23> kExactPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::array<std::uint64_t, 16> kIntegerPowers{1,
                                                       10,
                                                       100,
                                                       1'000,
                                                       10'000,
                                                       100'000,
                                                       1'000'000,
                                                       10'000'000,
                                                       100'000'000,
                                                       1'000'000'000,
                                                       10'000'000'000,
                                                       100'000'000'000,
                                                       1'000'000'000'000,
                                                       10'000'000'000'000,
                                                       100'000'000'000'000,
                                                       kMantissaLimit};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t skipBlanks(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size() && isBlank(s[pos])) ++pos;
  return pos;
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

// The plain decimal texts fields hold ("220", "-3.25", "0.0125W"): at most
// 19 digits of which at most 15 significant, and no exponent. Their digits
// make an integer below 10^15 < 2^53 and the decimals a power of ten that is
// exactly a double, so one division rounds as the full conversion does.
// False for any other text, which takes the full conversion.
bool readPlainDecimal(std::string_view s, size_t pos, double& value) {
  constexpr int kMostDigits = 19;  // no more can overflow the integer
  const char* p = s.data() + pos;
  const char* const end = s.data() + s.size();
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  std::uint64_t digits = 0;
  const char* const whole = p;
  while (p != end && isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
  int count = static_cast<int>(p - whole);
  int decimals = 0;
  if (p != end && *p == '.') {
    const char* const fraction = ++p;
    while (p != end && isDigit(*p)) digits = digits * 10 + static_cast<std::uint64_t>(*p++ - '0');
    decimals = static_cast<int>(p - fraction);
    count += decimals;
  }
  // more than 15 significant digits make the integer 10^15 or more
  if (count == 0 || count > kMostDigits || digits >= kMantissaLimit) return false;
  if (p != end && (*p == 'e' || *p == 'E')) return false;
  const double magnitude = static_cast<double>(digits) / kExactPowers[decimals];
  value = (negative ? -magnitude : magnitude) + 0.0;  // -0 reads as 0
  return true;
}

// The value rounded to 15 significant decimal digits: value =
// mantissa x 10^(point - 15), the mantissa a 15-digit integer (0 for zero),
// i.e. `point` digits stand before the decimal point.
struct Decimal {
  bool negative = false;
  std::uint64_t mantissa = 0;
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
Decimal toDecimalByText(double magnitude) {
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
  Decimal d;
  for (int i = 0; i < kSignificantDigits; ++i)
    d.mantissa = d.mantissa * 10 + (i < count ? digits[i] - '0' : 0);
  if (count > kSignificantDigits && digits[kSignificantDigits] >= '5') ++d.mantissa;
  if (d.mantissa == kMantissaLimit) {  // 9.99...96 rounds to 10.0...0
    d.mantissa = kSmallestMantissa;
    ++exponent;
  }
  d.point = exponent + 1;
  return d;
}

// The same by one multiplication, for magnitudes from 1e-7 to 1e15: the
// value times an exact power of ten lands between 10^14 and 10^15, and the
// exact product is that product plus what a fused multiply-add leaves of it.
// The product's whole part is the mantissa, one more when the exact product
// lies above the half: its fraction less one half is exact at this size, and
// a sum of two doubles has the sign of the exact sum. False where it cannot
// decide: outside that range, or on an exact half, which the exact
// conversion sends to the even neighbour.
bool toDecimalByProduct(double magnitude, Decimal& d) {
  constexpr double kLowest = 1e-7;
  constexpr double kHighest = 1e15;
  if (!(magnitude >= kLowest && magnitude < kHighest)) return false;
  // the decade from the binary exponent (times log10 2, 78913 / 2^18), at
  // most one too low; the loop below puts that right
  const int binaryExponent =
      static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
  int scale = kSignificantDigits - 1 - ((binaryExponent * 78913) >> 18);
  double product = 0;
  for (int tries = 0; tries < 2; ++tries) {
    if (scale < 0 || scale >= static_cast<int>(kExactPowers.size())) return false;
    product = magnitude * kExactPowers[scale];
    if (product < 1e14)
      ++scale;
    else if (product >= 1e15)
      --scale;
    else
      break;
  }
  if (product < 1e14 || product >= 1e15) return false;
  const double error = std::fma(magnitude, kExactPowers[scale], -product);
  const auto whole = static_cast<std::uint64_t>(product);
  const double aboveHalf = (product - static_cast<double>(whole) - 0.5) + error;
  if (aboveHalf == 0) return false;
  d.mantissa = whole + (aboveHalf > 0 ? 1 : 0);
  d.point = kSignificantDigits - scale;
  if (d.mantissa == kMantissaLimit) {
    d.mantissa = kSmallestMantissa;
    ++d.point;
  }
  return true;
}

Decimal toDecimal(double value) {
  Decimal d;
  if (value == 0) return d;
  const double magnitude = std::fabs(value);
  if (!toDecimalByProduct(magnitude, d)) d = toDecimalByText(magnitude);
  d.negative = value < 0;
  return d;
}

enum class Tie { AwayFromZero, ToEven };

// Keeps `keep` leading digits (keep may be <= 0), rounding the rest away. A
// carry out of the first digit raises `point`.
Decimal roundDigits(Decimal d, int keep, Tie tie) {
  if (d.mantissa == 0 || keep >= kSignificantDigits) return d;
  if (keep < 0) return Decimal{};  // below half of the last kept place
  const std::uint64_t step = kIntegerPowers[kSignificantDigits - keep];
  std::uint64_t kept = d.mantissa / step;
  const std::uint64_t rest = d.mantissa % step;
  const std::uint64_t half = step / 2;
  if (rest > half || (rest == half && (tie == Tie::AwayFromZero || kept % 2 == 1))) ++kept;
  if (kept == 0) return Decimal{};
  if (kept == kIntegerPowers[keep]) {  // 0.96 -> 1.0: one more integer digit
    d.mantissa = kSmallestMantissa;
    ++d.point;
    return d;
  }
  d.mantissa = kept * step;
  return d;
}

// The eight digits of a number below 10^8 as eight characters in one word,
// the first digit in its lowest byte: split into halves of four digits, the
// halves into pairs and the pairs into digits, each step on all parts of the
// word at once (x / 100 as x * 10486 >> 20 below 10^4, x / 10 as
// x * 103 >> 10 below 100). A big-endian machine takes them digit by digit.
std::array<char, 8> eightDigitsOf(std::uint32_t number) {
  std::array<char, 8> digits;
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t halves = (number / 10000) | (std::uint64_t{number % 10000} << 32);
    const std::uint64_t hundreds = ((halves * 10486) >> 20) & 0x0000007F0000007F;
    const std::uint64_t pairs = hundreds | ((halves - 100 * hundreds) << 16);
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;
    const std::uint64_t word = tens | ((pairs - 10 * tens) << 8) | 0x3030303030303030;
    std::memcpy(digits.data(), &word, sizeof word);
  } else {
    for (int i = 7; i >= 0; --i, number /= 10) digits[i] = static_cast<char>('0' + number % 10);
  }
  return digits;
}

// The 15 digits of a mantissa, most significant first.
std::array<char, kSignificantDigits> digitsOf(std::uint64_t mantissa) {
  constexpr std::uint64_t kEightDigits = 100'000'000;
  const std::array<char, 8> high =
      eightDigitsOf(static_cast<std::uint32_t>(mantissa / kEightDigits));
  const std::array<char, 8> low =
      eightDigitsOf(static_cast<std::uint32_t>(mantissa % kEightDigits));
  std::array<char, kSignificantDigits> digits;
  std::copy(high.begin() + 1, high.end(), digits.begin());  // below 10^7: seven digits
  std::copy(low.begin(), low.end(), digits.begin() + 7);
  return digits;
}

// Plain notation with `decimals` places from the value and its 15 digits;
// the digits beyond the 15th are 0.
void plainText(const Decimal& d, const std::array<char, kSignificantDigits>& digits, int decimals,
               NumberText& out) {
  const bool negative = d.negative && d.mantissa != 0;
  const size_t length = (negative ? 1 : 0) + static_cast<size_t>(std::max(d.point, 1)) +
                        (decimals > 0 ? static_cast<size_t>(decimals) + 1 : 0);
  char* p = out.resize(length);
  if (negative) *p++ = '-';
  // the digits from place `first` (0: the first significant one) on: zeros
  // before the first and after the 15th
  auto copyDigits = [&](int first, int count) {
    const int end = first + count;
    const int from = std::clamp(first, 0, kSignificantDigits);
    const int to = std::clamp(end, from, kSignificantDigits);
    const int zerosBefore = std::max(std::min(from, end) - first, 0);
    p = std::fill_n(p, zerosBefore, '0');
    p = std::copy(digits.begin() + from, digits.begin() + to, p);
    p = std::fill_n(p, end - first - zerosBefore - (to - from), '0');
  };
  if (d.point <= 0)
    *p++ = '0';
  else
    copyDigits(0, d.point);
  if (decimals > 0) {
    *p++ = '.';
    copyDigits(d.point, decimals);
  }
}

// The mantissa is below 2^53, so within 22 decades one multiplication or
// division by an exact power of ten rounds as the text conversion does.
double decimalToDouble(const Decimal& d) {
  if (d.mantissa == 0) return 0.0;
  const int exponent = d.point - kSignificantDigits;
  const int decades = std::abs(exponent);
  const double mantissa = static_cast<double>(d.mantissa);
  double magnitude = 0;
  if (decades < static_cast<int>(kExactPowers.size())) {
    magnitude = exponent < 0 ? mantissa / kExactPowers[decades] : mantissa * kExactPowers[decades];
  } else {
    const std::string text = std::to_string(d.mantissa) + 'e' + std::to_string(exponent);
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
  }
  return d.negative ? -magnitude : magnitude;
}

void requireFinite(double value) {
  if (!std::isfinite(value)) throw RecalcAbort("overflow");
}

}  // namespace

namespace {
// Every text the plain-decimal read does not take; kept apart so that read
// stays a short leaf.
[[gnu::noinline]] double readAnyNumber(std::string_view text, size_t pos) {
  size_t length = numberPrefixLength(text, pos);
  if (length == 0) return 0.0;
  return convert(text.substr(pos, length));
}
}  // namespace

double Val(std::string_view text) {
  const size_t pos = skipBlanks(text);
  double value = 0;
  if (readPlainDecimal(text, pos, value)) return value;
  return readAnyNumber(text, pos);
}

bool startsWithNumber(std::string_view text) {
  return numberPrefixLength(text, skipBlanks(text)) > 0;
}

NumberAndRest splitLeadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  size_t length = numberPrefixLength(text, pos);
  if (length == 0) return {{}, text.substr(pos)};
  return {text.substr(pos, length), text.substr(pos + length)};
}

bool isWholeNumber(std::string_view text) {
  const size_t pos = skipBlanks(text);
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

NumberText fixedText(double value, int decimals) {
  requireFinite(value);
  if (decimals < 0) decimals = 0;
  Decimal d = toDecimal(value);
  NumberText out;
  const Decimal rounded = roundDigits(d, d.point + decimals, Tie::AwayFromZero);
  plainText(rounded, digitsOf(rounded.mantissa), decimals, out);
  return out;
}

std::string formatFixed(double value, int decimals) {
  return fixedText(value, decimals).str();
}

std::string formatPattern(double value, std::string_view pattern) {
  size_t dot = pattern.find('.');
  int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
  return formatFixed(value, decimals);
}

NumberText generalText(double value) {
  requireFinite(value);
  const Decimal d = toDecimal(value);
  NumberText out;
  if (d.mantissa == 0) {
    *out.resize(1) = '0';
    return out;
  }
  const std::array<char, kSignificantDigits> digits = digitsOf(d.mantissa);
  int count = kSignificantDigits;
  while (digits[count - 1] == '0') --count;
  const int exponent = d.point - 1;
  if (exponent >= 15 || exponent < -4) {
    // "-1.5E+20", "1E-05": at least two exponent digits
    std::array<char, 32> text;
    char* p = text.data();
    if (d.negative) *p++ = '-';
    *p++ = digits[0];
    if (count > 1) {
      *p++ = '.';
      p = std::copy(digits.begin() + 1, digits.begin() + count, p);
    }
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) *p++ = '0';
    p = std::to_chars(p, text.data() + text.size(), magnitude).ptr;
    std::copy(text.data(), p, out.resize(static_cast<size_t>(p - text.data())));
    return out;
  }
  plainText(d, digits, count > d.point ? count - d.point : 0, out);
  return out;
}

std::string generalFormat(double value) {
  return generalText(value).str();
}

double roundHalfEven(double value) {
  requireFinite(value);
  // a whole number of at most 15 digits is its own 15-digit value (row
  // counts and turns read from their fields are)
  if (std::fabs(value) < 1e15 && std::trunc(value) == value) return value + 0.0;
  Decimal d = toDecimal(value);
  return decimalToDouble(roundDigits(d, d.point, Tie::ToEven)) + 0.0;
}

double roundHalfAway(double value, int decimals) {
  return Val(fixedText(value, decimals).view());
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
