#include "model/color.h"

#include <array>

namespace corvane {

namespace {
// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow, 7 white,
// 8 grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 light yellow, 15 bright white
constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};
}  // namespace

Rgb paletteColor(int number) {
  if (number < 0 || number >= static_cast<int>(kPalette.size())) return kPalette[0];
  return kPalette[number];
}

}  // namespace corvane
