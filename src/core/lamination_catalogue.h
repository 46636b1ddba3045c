// The standard EI lamination catalogue: the sizes a requested lamination
// length snaps to, and the core name every later stage shows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane::core {

// One standard lamination (lengths in mm). L is the key: the width of the E
// across its three legs. H is the height of E and I together, a the centre
// tongue, c one window's width, h the window's height. coilSurface is the
// coil cooling surface FM (cm²); dissipation the surface heat-dissipation
// coefficient α (W/(cm²·K)). A row may lack h, FM or α.
struct StandardEiRow {
  double length;
  double height;
  double tongue;
  double windowWidth;
  std::optional<double> windowHeight;
  std::optional<double> coilSurface;
  std::optional<double> dissipation;
};

// Every row, in ascending key order.
std::span<const StandardEiRow> standardLaminations();

// The first lamination whose length is not below the requested one (so a
// size between two keys rounds up, and 0 or less gives the smallest);
// nullptr above the largest.
const StandardEiRow* standardLaminationFor(double length);

// The lamination of exactly that length; nullptr when the catalogue has none
// (a rated-power table's EI75).
const StandardEiRow* catalogueLaminationOf(double length);

// The standard lamination and the stack (mm) that carry a net core section
// (cm²): the smallest tongue a whose stack b = section / (0.95 a), at the
// stacking of a confirmed stack, is no deeper than `stackOverTongue` × a (1
// when that proportion is not positive). nullopt above the largest tongue.
struct SectionProposal {
  const StandardEiRow* row;
  double stack;
};
std::optional<SectionProposal> standardLaminationForSection(double section, double stackOverTongue);

// The window height a row stands for. A row that lacks it has it from its
// yokes: the rows around it all have H = h + a.
double windowHeightOf(const StandardEiRow& row);

// "EI-" & L & "*" & b, the texts as the fields show them: EI-48*30.
std::string coreName(std::string_view lengthText, std::string_view stackText);

}  // namespace corvane::core
