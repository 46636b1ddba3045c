#pragma once

#include <cstdint>
#include <string>

namespace corvane {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const Rgb&) const = default;
  std::string text() const {
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
  }
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
// Window background of the classic desktop (button face grey).
inline constexpr Rgb kButtonFace{240, 240, 240};
inline constexpr Rgb kWindow{255, 255, 255};
}  // namespace colors

// The standard 16-colour palette, numbered 0 (black) to 15 (bright white).
Rgb paletteColor(int number);

}  // namespace corvane
