// The hint a view shows beside a typed field must agree with how the design
// reads that field: a note exactly when the leading-number read takes 0 from
// a non-blank text, or shows a quantity below zero that cannot be negative.
#include "model/field_reading.h"

#include <gtest/gtest.h>

#include "model/control.h"
#include "model/form.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// One text box on a form of its own, holding the given kind of content.
class FieldForm : public Form {
 public:
  explicit FieldForm(Workspace& ws) : Form(ws, "frmField", "field") {
    addControl("Txt", ControlKind::TextBox);
    addControl("Label1", ControlKind::Label);
  }
};

std::string noteFor(const std::string& text, Control::Content content) {
  testing::FakeHost host;
  Workspace ws{host};
  FieldForm form(ws);
  Control& box = form.control("Txt");
  box.setContent(content);
  box.setText(text);
  return readingNote(box);
}

TEST(ReadingNote, AgreesWithTheLeadingNumberRead) {
  for (const char* text : {"220", " 35.5W", "+2", ".5", "1e3V", "0", "-0"}) {
    EXPECT_TRUE(startsWithNumber(text)) << text;
    EXPECT_EQ(noteFor(text, Control::Content::Quantity), "") << text;
  }
  for (const char* text : {"V220", "abc", ".", "-", "e5", "，220", "+.e"}) {
    EXPECT_FALSE(startsWithNumber(text)) << text;
    EXPECT_EQ(Val(text), 0.0) << text;
    EXPECT_EQ(noteFor(text, Control::Content::Quantity), "不以数字开头，读作 0") << text;
  }
}

TEST(ReadingNote, BlankFieldsAndTextsAreLeftAlone) {
  EXPECT_EQ(noteFor("", Control::Content::Quantity), "");
  EXPECT_EQ(noteFor("  \t", Control::Content::Quantity), "");
  EXPECT_EQ(noteFor("EI-48", Control::Content::Text), "");
  EXPECT_EQ(noteFor("-5", Control::Content::Text), "");
}

TEST(ReadingNote, NegativeOnlyWhereTheQuantityCannotBeNegative) {
  EXPECT_EQ(noteFor("-5", Control::Content::SignedQuantity), "");
  EXPECT_EQ(noteFor("-2.5mm", Control::Content::Quantity), "此处不应为负数，读作 -2.5");
}

TEST(ReadingNote, ANegativeRailSaysItIsDesignedForItsMagnitude) {
  EXPECT_EQ(noteFor("-12", Control::Content::RailQuantity), "为负电源轨，按其绝对值 12 设计");
  EXPECT_EQ(noteFor("-0.5A", Control::Content::RailQuantity), "为负电源轨，按其绝对值 0.5 设计");
  EXPECT_EQ(noteFor("12", Control::Content::RailQuantity), "");
  EXPECT_EQ(noteFor("-0", Control::Content::RailQuantity), "");
  EXPECT_EQ(noteFor("V12", Control::Content::RailQuantity), "不以数字开头，读作 0");
}

TEST(ReadingNote, OtherControlsNeverCarryANote) {
  testing::FakeHost host;
  Workspace ws{host};
  FieldForm form(ws);
  form.control("Label1").setText("abc");
  EXPECT_EQ(readingNote(form.control("Label1")), "");
}

}  // namespace
}  // namespace corvane
