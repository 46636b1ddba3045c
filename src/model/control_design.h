// What of a control belongs to the design: the properties a user or a
// reaction changes (its text, caption, list and selection, check or option
// value, whether it shows, is enabled or locked, its colours, the picture
// drawn on it). Its layout — place and size, font, tool tip, timer interval,
// frame — comes with the form and is none of it. A saved design keeps, and
// an undo step would record and put back, exactly these properties.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/color.h"
#include "model/picture.h"

namespace corvane {

// A picture box's drawing: its display list and colours.
struct PictureState {
  std::vector<DrawOp> ops = {};
  Rgb backColor = colors::kWhite;
  Rgb foreColor = colors::kBlack;
  // A drawing on demand not drawn yet (ops empty then): only the undo
  // history keeps a picture so; a saved design holds the display list.
  std::shared_ptr<const DrawingOnDemand> pending = {};
  bool operator==(const PictureState& other) const {
    return ops == other.ops && backColor == other.backColor && foreColor == other.foreColor &&
           sameDrawing(pending, other.pending);
  }
};

// The design state of one control. A control that is not a picture box
// keeps the empty picture.
struct ControlDesign {
  std::string text = {};
  std::string caption = {};
  std::vector<std::string> items = {};
  int listIndex = -1;
  int value = 0;
  bool visible = true;
  bool enabled = true;
  bool locked = false;
  bool hasBackColor = false;  // false: the platform's default background
  Rgb backColor = colors::kWindow;
  Rgb foreColor = colors::kBlack;
  PictureState picture = {};
  bool operator==(const ControlDesign&) const = default;
};

enum class DesignProperty {
  Text,
  Caption,
  Items,
  ListIndex,
  Value,
  Visible,
  Enabled,
  Locked,
  OwnBackColor,
  BackColor,
  ForeColor,
  Picture,
};

// Every property, in the order a saved design lists them.
inline constexpr DesignProperty kDesignProperties[] = {
    DesignProperty::Text,      DesignProperty::Caption,   DesignProperty::Items,
    DesignProperty::ListIndex, DesignProperty::Value,     DesignProperty::Visible,
    DesignProperty::Enabled,   DesignProperty::Locked,    DesignProperty::OwnBackColor,
    DesignProperty::BackColor, DesignProperty::ForeColor, DesignProperty::Picture,
};

// Some properties of a control's design with their values: what differs
// from its design-time state. The values of the properties it does not hold
// stay at their plain defaults, so two sets compare equal exactly when they
// hold the same properties with the same values.
class DesignChanges {
 public:
  // The properties of `now` that differ from `designTime`.
  static DesignChanges between(const ControlDesign& designTime, ControlDesign now);
  // Every property, with the values of `state`.
  static DesignChanges whole(const ControlDesign& state);

  bool empty() const { return held_ == 0; }
  bool has(DesignProperty property) const;
  // Holds `property` with its value in `from`.
  void take(DesignProperty property, const ControlDesign& from);
  // The values of the properties held.
  const ControlDesign& values() const { return values_; }
  // `designTime` with the properties held replaced.
  ControlDesign appliedTo(ControlDesign designTime) const;

  bool operator==(const DesignChanges&) const = default;

 private:
  unsigned held_ = 0;
  ControlDesign values_;
};

}  // namespace corvane
