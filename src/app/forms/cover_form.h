// The cover frmCover shown before the main window: a blue gradient, the
// program title and credits, the credit line changing colour every 400 ms.
// It closes after 7 s or on a click and then opens the main window.
#pragma once

#include <functional>

#include "model/form.h"
#include "model/form_names.h"

namespace corvane {

class CoverForm : public Form {
 public:
  static constexpr const char* kName = forms::kCover;
  // Picks a colour number 0..15 of the standard palette; the default draws
  // from a freshly seeded generator on every call.
  using ColourPicker = std::function<int()>;

  explicit CoverForm(Workspace& workspace, ColourPicker pickColour = {});

  void load() override;

  // Width and height of the cover in pixels, and the ellipse that shapes the
  // window (left, top, right, bottom in pixels).
  static constexpr int kWidthPx = 512;
  static constexpr int kHeightPx = 320;
  static constexpr int kEllipse[4] = {10, 20, 500, 300};

 private:
  void addLabels();
  void paintGradient();
  void recolourCredit();
  void closeCover(bool byClick);

  ColourPicker pickColour_;
  bool closing_ = false;
};

}  // namespace corvane
