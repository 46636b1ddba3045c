// Short builders for the design-time settings forms declare their controls
// with, so a form's layout reads as a list of fields.
#pragma once

#include <string>
#include <utility>

#include "model/control.h"

namespace corvane {

// Heights (twips) of the design-time controls every form lays out with.
namespace layout {
inline constexpr int kTextHeight = 270;   // a text box
inline constexpr int kListHeight = 300;   // a drop-down list
inline constexpr int kLabelHeight = 255;  // a one-line caption
}  // namespace layout

// An entry field with its design-time text, place, tool tip and frame.
inline ControlInit textField(std::string text, Geometry geometry, std::string tip = {},
                             std::string container = {}) {
  ControlInit init;
  init.text = std::move(text);
  init.geometry = geometry;
  init.toolTip = std::move(tip);
  init.container = std::move(container);
  return init;
}

// A label, frame, button or check box: what it shows is its caption.
inline ControlInit captioned(std::string caption, Geometry geometry, std::string container = {}) {
  ControlInit init;
  init.caption = std::move(caption);
  init.geometry = geometry;
  init.container = std::move(container);
  return init;
}

// A caption in a size of its own (points), bold: a title. A size of 0 keeps
// the form's font.
inline ControlInit titled(std::string caption, Geometry geometry, double fontSize) {
  ControlInit init = captioned(std::move(caption), geometry);
  init.fontSize = fontSize;
  init.fontBold = fontSize > 0;
  return init;
}

// A menu item; `parent` names the item whose submenu holds it, `shortcut`
// the standard key that chooses it ("Ctrl+P").
inline ControlInit menuItem(std::string caption, std::string parent = {},
                            std::string shortcut = {}) {
  ControlInit init;
  init.caption = std::move(caption);
  init.menuParent = std::move(parent);
  init.shortcut = std::move(shortcut);
  return init;
}

}  // namespace corvane
