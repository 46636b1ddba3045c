#include <gtest/gtest.h>

#include "app/forms/cover_form.h"
#include "app/forms/main_window_form.h"
#include "model/picture.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

class CoverFormTest : public ::testing::Test {
 protected:
  CoverFormTest() {
    ws.registerForm(MainWindowForm::kName,
                    [](Workspace& w) { return std::make_unique<MainWindowForm>(w); });
    ws.registerForm(CoverForm::kName, [this](Workspace& w) {
      return std::make_unique<CoverForm>(w, [this] { return nextColour; });
    });
  }
  Form& cover() { return ws.form(CoverForm::kName); }
  // Counts how often the main window is shown once it exists.
  void countMainWindowShows() {
    ws.formCreated.connect([this](Form& form) {
      if (form.name() != MainWindowForm::kName) return;
      form.events.connect([this](const FormEvent& event) {
        if (event.kind == FormEventKind::Shown) ++mainShows;
      });
    });
  }
  void ticks(const char* timer, int count) {
    for (int i = 0; i < count; ++i) cover().tick(cover().control(timer));
  }

  testing::FakeHost host;
  Workspace ws{host};
  int nextColour = 0;
  int mainShows = 0;
};

TEST_F(CoverFormTest, LoadSetsTheCreditAndPaintsTheBlueGradient) {
  EXPECT_EQ(cover().control("Lab").caption(), "Corvane专家系统 特别鸣谢 ");
  const auto& ops = cover().control("picCover").picture().ops();
  ASSERT_EQ(ops.size(), 257u);  // the pixel scale, then 256 bands
  EXPECT_EQ(ops[0].kind, DrawOp::Kind::Scale);
  EXPECT_EQ(ops[1].kind, DrawOp::Kind::FilledBox);
  EXPECT_EQ(ops[1].color, (Rgb{0, 0, 0}));
  EXPECT_EQ(ops[1].y1, 0);
  EXPECT_EQ(ops[1].y2, 2);
  EXPECT_EQ(ops[256].color, (Rgb{0, 0, 255}));
  EXPECT_EQ(ops[256].y1, 510);
  EXPECT_EQ(ops[256].x2, CoverForm::kWidthPx);
  EXPECT_EQ(cover().control("Timer1").interval(), 7000);
  EXPECT_EQ(cover().control("Timer2").interval(), 400);
  EXPECT_EQ(cover().array("Label3").indices(), (std::vector<int>{0, 1}));
}

TEST_F(CoverFormTest, ColourTickPaintsTheCreditInAPaletteColour) {
  nextColour = 12;
  ticks("Timer2", 1);
  EXPECT_EQ(cover().array("Label3").element(1).foreColor(), paletteColor(12));
  nextColour = 1;
  ticks("Timer2", 1);
  EXPECT_EQ(cover().array("Label3").element(1).foreColor(), paletteColor(1));
}

TEST_F(CoverFormTest, DefaultColourPickerStaysInThePalette) {
  Workspace other(host);
  other.registerForm(CoverForm::kName, [](Workspace& w) { return std::make_unique<CoverForm>(w); });
  Form& form = other.form(CoverForm::kName);
  for (int i = 0; i < 50; ++i) {
    form.tick(form.control("Timer2"));
    Rgb colour = form.array("Label3").element(1).foreColor();
    bool inPalette = false;
    for (int c = 0; c < 16; ++c) inPalette = inPalette || paletteColor(c) == colour;
    ASSERT_TRUE(inPalette) << colour.text();
  }
}

TEST_F(CoverFormTest, SevenSecondTimerClosesTheCoverAndShowsTheMainWindow) {
  countMainWindowShows();
  cover().show();
  ticks("Timer1", 1);
  EXPECT_EQ(ws.existing(CoverForm::kName), nullptr);
  EXPECT_EQ(mainShows, 1);
  EXPECT_TRUE(ws.existing(MainWindowForm::kName)->visible());
}

// The 7-s tick may already be on its way when the user clicks at 2 s: it
// arrives while the closed cover still exists and must not open anything.
TEST_F(CoverFormTest, ClickAtTwoSecondsOpensTheMainWindowOnce) {
  countMainWindowShows();
  cover().show();
  ticks("Timer2", 5);
  ws.runEvent([&] {
    Form& form = cover();
    form.userClick(form.array("Label3").element(1));
    EXPECT_FALSE(form.control("Timer1").enabled());
    form.tick(form.control("Timer1"));
  });
  EXPECT_EQ(ws.existing(CoverForm::kName), nullptr);
  EXPECT_EQ(mainShows, 1);
}

TEST_F(CoverFormTest, ClickAnywhereOnTheCoverClosesIt) {
  countMainWindowShows();
  cover().userClick(cover().control("picCover"));
  EXPECT_EQ(ws.existing(CoverForm::kName), nullptr);
  EXPECT_EQ(mainShows, 1);
}

TEST_F(CoverFormTest, SecondCopyClosesTheCoverWithoutAMainWindow) {
  countMainWindowShows();
  host.otherCopyRuns = true;
  ticks("Timer1", 1);
  EXPECT_EQ(ws.existing(CoverForm::kName), nullptr);
  EXPECT_EQ(mainShows, 0);
  EXPECT_EQ(host.quits, 1);
}

TEST_F(CoverFormTest, StartShowsTheCoverOrTheMainWindow) {
  startProgram(ws, true);
  EXPECT_TRUE(cover().visible());
  EXPECT_EQ(ws.existing(MainWindowForm::kName), nullptr);

  Workspace plain(host);
  plain.registerForm(MainWindowForm::kName,
                     [](Workspace& w) { return std::make_unique<MainWindowForm>(w); });
  startProgram(plain, false);
  EXPECT_TRUE(plain.existing(MainWindowForm::kName)->visible());
}

}  // namespace
}  // namespace corvane
