// A field read resolves its name once and remembers it by where the name is
// stored: these cases are where a remembered resolution could go stale (a
// buffer reused for another name, a control or reaction added after a miss,
// a row removed, a form closed and opened again).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/form.h"
#include "model/name_memo.h"
#include "model/programming_error.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

constexpr const char* kSource = "Source";
constexpr const char* kTarget = "Target";

// A form whose controls and reactions the test adds after it is built, as a
// form's load step may.
class GrowingForm : public Form {
 public:
  static constexpr const char* kName = "frmGrowing";
  explicit GrowingForm(Workspace& ws) : Form(ws, kName, "growing") {
    addControl(kSource, ControlKind::TextBox);
    addControl("Other", ControlKind::TextBox);
    addArray("Cell", ControlKind::TextBox, {.text = "c0"});
  }
  using Form::addControl;
  using Form::on;
};

// The workspace knows one growing form, created on first use.
class NameResolutionTest : public ::testing::Test {
 protected:
  void SetUp() override { ws.registerForm<GrowingForm>(); }
  GrowingForm& form() { return ws.form<GrowingForm>(GrowingForm::kName); }

  testing::FakeHost host;
  Workspace ws{host};
};

TEST_F(NameResolutionTest, ABufferReusedForAnotherNameFindsThatName) {
  std::string name = "Source";
  Control* source = form().find(name);
  ASSERT_NE(source, nullptr);
  name.replace(0, name.size(), "Other");  // same storage, another text
  ASSERT_EQ(form().find(name), &form().control("Other"));
  name.replace(0, name.size(), "Absent");
  EXPECT_EQ(form().find(name), nullptr);
  name.replace(0, name.size(), "Source");
  EXPECT_EQ(form().find(name), source);
  // a name and its own prefix at the same address are different names
  EXPECT_EQ(form().find(std::string_view(kSource, 3)), nullptr);
  EXPECT_EQ(form().find(kSource), source);
  // an empty name (a script's or a file's) names nothing, twice
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(form().find(""), nullptr);
    EXPECT_EQ(ws.existing(""), nullptr);
  }
}

TEST_F(NameResolutionTest, AControlOrReactionAddedAfterAMissIsFound) {
  EXPECT_EQ(form().find(kTarget), nullptr);
  EXPECT_THROW(form().control(kTarget), ProgrammingError);
  Control& target = form().addControl(kTarget, ControlKind::TextBox);
  EXPECT_EQ(form().find(kTarget), &target);

  Control& source = form().control(kSource);
  form().userSetText(source, "1");  // no reaction yet: remembered as none
  form().on(EventKind::Change, kSource,
            [&](Control& c, const EventArgs&) { target.setText(generalFormat(c.num() * 2)); });
  form().userSetText(source, "21");
  EXPECT_EQ(target.text(), "42");
  // the reaction replaced while the control keeps its name
  form().on(EventKind::Change, kSource,
            [&](Control& c, const EventArgs&) { target.setText(generalFormat(c.num() + 1)); });
  form().userSetText(source, "5");
  EXPECT_EQ(target.text(), "6");
}

TEST_F(NameResolutionTest, RowsComeAndGoAtAnyIndexAnArrayAllows) {
  ControlArray& cells = form().array("Cell");
  const ControlInit copy = cells.element(0).snapshot();
  for (int index : {1, 255, 256, 1000}) cells.load(index, copy);
  for (int index : {0, 1, 255, 256, 1000})
    EXPECT_EQ(form().control("Cell", index).index(), index) << index;
  EXPECT_EQ(form().find("Cell", 2), nullptr);
  EXPECT_EQ(form().find("Cell", -2), nullptr);
  EXPECT_EQ(cells.indices(), (std::vector<int>{0, 1, 255, 256, 1000}));

  form().control("Cell", 255).setText("x");
  cells.unload(255);
  cells.unload(1000);
  EXPECT_THROW(form().control("Cell", 255), RecalcAbort);
  EXPECT_EQ(form().find("Cell", 1000), nullptr);
  // loaded again, the row is a new control with its design-time text
  EXPECT_EQ(cells.load(255, copy).text(), "c0");
  EXPECT_EQ(form().find("Cell", 255), cells.at(255));
  cells.unload(0);
  EXPECT_EQ(form().find("Cell", 0), nullptr);
  EXPECT_EQ(cells.indices(), (std::vector<int>{1, 255, 256}));
}

TEST_F(NameResolutionTest, AClosedFormIsNeverReachedThroughAnEarlierRead) {
  EXPECT_EQ(ws.existing("frmGrowing"), nullptr);  // remembered as not open
  Control& first = ws.field("frmGrowing", kSource);
  first.setText("7");
  EXPECT_EQ(ws.existing("frmGrowing"), &form());
  ws.close("frmGrowing");
  EXPECT_EQ(ws.existing("frmGrowing"), nullptr);
  // opened again, with its defaults
  EXPECT_EQ(ws.field("frmGrowing", kSource).text(), "");
  EXPECT_EQ(ws.existing("frmGrowing"), &form());
}

TEST(NameMemoTest, NamesSharingASlotAndLongNamesResolveAlike) {
  // more names than slots: each still resolves to its own value or to none
  std::vector<std::string> names;
  for (int i = 0; i < 600; ++i) names.push_back("Name" + std::to_string(i));
  NameMemo<int> memo;
  for (int i = 0; i < 600; ++i) memo.remember(names[i], i);
  int found = 0;
  for (int i = 0; i < 600; ++i)
    if (const int* value = memo.find(names[i])) {
      EXPECT_EQ(*value, i);
      ++found;
    }
  EXPECT_GT(found, 0);
  EXPECT_LT(found, 600);
  memo.clear();
  for (const std::string& name : names) EXPECT_EQ(memo.find(name), nullptr);

  const std::string longName(NameMemo<int>::kLongestName + 1, 'x');
  memo.remember(longName, 1);
  EXPECT_EQ(memo.find(longName), nullptr);
}

// The same buffer holding a name of the same length that differs in one byte,
// at every length and every position, is another name; an empty name is none
// the memo may keep.
TEST(NameMemoTest, ANameDifferingInAnyOneByteIsAnotherName) {
  NameMemo<int> memo;
  for (size_t size = 1; size <= NameMemo<int>::kLongestName; ++size)
    for (size_t at = 0; at < size; ++at) {
      std::string buffer(size, 'a');
      memo.remember(buffer, 1);
      ASSERT_NE(memo.find(buffer), nullptr) << size;
      buffer[at] = 'b';
      EXPECT_EQ(memo.find(buffer), nullptr) << "size " << size << ", byte " << at;
      memo.clear();
    }
  EXPECT_THROW(memo.remember(std::string_view(), 1), ProgrammingError);
}

}  // namespace
}  // namespace corvane
