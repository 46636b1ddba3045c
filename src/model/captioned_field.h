// The row most forms list their figures in: a caption and the field it names,
// and where the two stand.
#pragma once

#include <string>

#include "model/control_init.h"

namespace corvane {

// A caption and the entry field it names: the controls' names and what they
// show at design time.
struct CaptionedField {
  const char* label;    // the caption's control
  const char* caption;  // what the caption shows
  const char* field;    // the entry field's control
  const char* text;     // the field's design-time text
  const char* tip;      // the field's tool tip
};

// Where a caption and its field stand, twips inside their container: one
// caption line and one text box.
struct CaptionedPlace {
  Geometry caption;
  Geometry field;
};

// The caption to the left of the field, `drop` twips below the field's top so
// that the two texts share a line.
constexpr CaptionedPlace besideField(int captionLeft, int captionWidth, int fieldLeft,
                                     int fieldWidth, int top, int drop) {
  return {{captionLeft, top + drop, captionWidth, layout::kLabelHeight},
          {fieldLeft, top, fieldWidth, layout::kTextHeight}};
}

// The caption over the field, both at `left`.
constexpr CaptionedPlace aboveField(int left, int captionTop, int captionWidth, int fieldTop,
                                    int fieldWidth) {
  return {{left, captionTop, captionWidth, layout::kLabelHeight},
          {left, fieldTop, fieldWidth, layout::kTextHeight}};
}

// A column of captioned fields one under the other: the lefts and widths are
// the column's, each row gives its top.
struct CaptionedColumn {
  int captionLeft;
  int captionWidth;
  int fieldLeft;
  int fieldWidth;
  int drop;  // the caption below the field's top
  constexpr CaptionedPlace at(int top) const {
    return besideField(captionLeft, captionWidth, fieldLeft, fieldWidth, top, drop);
  }
};

// One row of such a column.
struct ColumnRow {
  CaptionedField names;
  int top;
};

// A row whose caption and field stand at lefts of their own, the caption
// reaching to `gap` twips short of its field.
struct PlacedRow {
  CaptionedField names;
  int captionLeft;
  int fieldLeft;
  int fieldWidth;
  int top;
  constexpr CaptionedPlace at(int gap, int drop) const {
    return besideField(captionLeft, fieldLeft - captionLeft - gap, fieldLeft, fieldWidth, top,
                       drop);
  }
};

inline ControlInit captionOf(const CaptionedField& row, const CaptionedPlace& at,
                             std::string container = {}) {
  return captioned(row.caption, at.caption, std::move(container));
}

inline ControlInit fieldOf(const CaptionedField& row, const CaptionedPlace& at,
                           std::string container = {}) {
  return textField(row.text, at.field, row.tip, std::move(container));
}

}  // namespace corvane
