// Insulating tape and paper for a bobbin: the tape width and the two paper
// specifications that go with the lamination length L and the bobbin's slot
// arrangement.
#pragma once

#include <optional>
#include <string>

namespace corvane::bobbin {

enum class SlotLayout { Single, Double };

struct TapeAndPaper {
  std::string tapeWidth;  // mm, general format
  std::string paper;      // thickness * width * length, mm, as the table writes it
  std::string paper2;
};

// What a bobbin of lamination length `length` (mm) takes; `slotWidth` and
// `baseSide` (TXTCK1 and TXTld1, mm) size the papers of the largest cores.
// nullopt where the tables give nothing for that length.
std::optional<TapeAndPaper> tapeAndPaper(SlotLayout layout, double length, double slotWidth,
                                         double baseSide);

}  // namespace corvane::bobbin
