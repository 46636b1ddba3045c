#include "app/forms/cover_form.h"

#include <random>

#include "app/forms/cover_fields.h"
#include "app/forms/main_window_form.h"
#include "app/forms/product.h"
#include "model/color.h"
#include "model/control_init.h"
#include "model/picture.h"
#include "model/workspace.h"

namespace corvane {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kGradientBands = 256;
constexpr int kBandHeightPx = 2;
constexpr Rgb kLightYellow{255, 255, 0};

// Cover labels: name, array index (-1 single), caption, left, top, width,
// height (pixels), font size (points, 0 default), fore colour.
struct LabelRow {
  const char* name;
  int index;
  const char* caption;
  int left, top, width, height;
  double fontSize;
  Rgb fore;
};
constexpr LabelRow kLabels[] = {
    {cover::Label3, 0, product::kTitle, 120, 62, 290, 40, 20, kLightYellow},
    {cover::Lab, -1, "", 150, 122, 240, 26, 12, colors::kWhite},
    {cover::Label3, 1, "感谢各位变压器工程师的支持与帮助", 112, 158, 300, 26, 12, colors::kWhite},
    {cover::Label1, -1, product::kVersionLine, 210, 206, 120, 22, 0, colors::kWhite},
    {cover::Label2, -1, "EI型工频电源变压器设计", 172, 236, 200, 22, 0, colors::kWhite},
};

Geometry pixels(int left, int top, int width, int height) {
  return {left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel,
          height * kTwipsPerPixel};
}

int freshRandomColour() {
  std::random_device seed;
  std::mt19937 generator(seed());
  return std::uniform_int_distribution<int>(0, 15)(generator);
}

}  // namespace

CoverForm::CoverForm(Workspace& workspace, ColourPicker pickColour)
    : Form(workspace, kName, product::kTitle),
      pickColour_(pickColour ? std::move(pickColour) : freshRandomColour) {
  setSize(kWidthPx * kTwipsPerPixel, kHeightPx * kTwipsPerPixel);
  ControlInit backdrop;
  backdrop.geometry = pixels(0, 0, kWidthPx, kHeightPx);
  addControl(cover::picCover, ControlKind::PictureBox, backdrop);
  addLabels();

  ControlInit closeTimer;
  closeTimer.interval = 7000;
  addControl(cover::Timer1, ControlKind::Timer, closeTimer);
  ControlInit colourTimer;
  colourTimer.interval = 400;
  addControl(cover::Timer2, ControlKind::Timer, colourTimer);

  on(EventKind::Tick, cover::Timer1, [this](Control&, const EventArgs&) { closeCover(false); });
  on(EventKind::Tick, cover::Timer2, [this](Control&, const EventArgs&) { recolourCredit(); });
  on(EventKind::Click, {cover::picCover, cover::Lab, cover::Label1, cover::Label2, cover::Label3},
     [this](Control&, const EventArgs&) { closeCover(true); });
}

void CoverForm::addLabels() {
  ControlArray* credits = nullptr;
  for (const LabelRow& row : kLabels) {
    ControlInit init =
        titled(row.caption, pixels(row.left, row.top, row.width, row.height), row.fontSize);
    init.foreColor = row.fore;
    if (row.index < 0)
      addControl(row.name, ControlKind::Label, init);
    else if (!credits)
      credits = &addArray(row.name, ControlKind::Label, init, row.index);
    else
      credits->load(row.index, init);
  }
}

void CoverForm::load() {
  control(cover::Lab).setCaption("Corvane专家系统 特别鸣谢 ");
  paintGradient();
}

// Black at the top to full blue at the bottom, in 2-pixel bands across the
// whole width; the picture works in pixels.
void CoverForm::paintGradient() {
  Picture& picture = control(cover::picCover).picture();
  picture.clear();
  picture.setScale(0, 0, kWidthPx, kHeightPx);
  int y = 0;
  for (int blue = 0; blue < kGradientBands; ++blue, y += kBandHeightPx)
    picture.filledBox(0, y, kWidthPx, y + kBandHeightPx, Rgb{0, 0, blue});
}

void CoverForm::recolourCredit() {
  array(cover::Label3).element(1).setForeColor(paletteColor(pickColour_()));
}

// A click stops the 7-s timer first, so a tick already on its way cannot open
// the main window a second time.
void CoverForm::closeCover(bool byClick) {
  if (byClick) control(cover::Timer1).setEnabled(false);
  if (closing_) return;
  closing_ = true;
  control(cover::Timer1).setEnabled(false);
  control(cover::Timer2).setEnabled(false);
  Workspace& ws = workspace();
  ws.close(kName);
  showMainWindow(ws);
}

}  // namespace corvane
