// A number written into a field: formatted into a buffer of its own and
// compared with the text shown, so a write that changes nothing allocates
// nothing and tells nobody. The test program counts its heap allocations.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "model/control.h"
#include "model/form.h"
#include "model/value.h"
#include "model/workspace.h"
#include "support/fake_host.h"

namespace {
std::size_t heapAllocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++heapAllocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace corvane {
namespace {

class ResultForm : public Form {
 public:
  explicit ResultForm(Workspace& ws) : Form(ws, "frmResult", "result") {
    addControl("Result", ControlKind::TextBox);
    on(EventKind::Change, "Result", [this](Control&, const EventArgs&) { ++changes; });
  }
  int changes = 0;
};

class NumberWrite : public ::testing::Test {
 protected:
  NumberWrite() {
    ws.registerForm("frmResult", [](Workspace& w) { return std::make_unique<ResultForm>(w); });
  }
  ResultForm& form() { return ws.form<ResultForm>("frmResult"); }

  testing::FakeHost host;
  Workspace ws{host};
};

// 16 characters and more: past what a std::string holds without the heap
TEST_F(NumberWrite, TheSameNumberAgainCostsOnlyTheComparison) {
  Control& result = form().control("Result");
  int notices = 0;
  result.changed.connect([&](Property) { ++notices; });
  const double value = 123456789.1234567;
  ASSERT_TRUE(result.setText(fixedText(value, 6)));
  ASSERT_EQ(result.text(), "123456789.123457");
  const int changes = form().changes;
  notices = 0;

  const std::size_t before = heapAllocations;
  EXPECT_FALSE(result.setText(fixedText(value, 6)));
  EXPECT_FALSE(result.setText(fixedText(123456789.1234571, 6)));
  EXPECT_EQ(heapAllocations, before);
  EXPECT_EQ(form().changes, changes);
  EXPECT_EQ(notices, 0);

  result.setText("-1.23456789012346E+20");
  const std::size_t general = heapAllocations;
  EXPECT_FALSE(result.setText(generalText(-123456789012345678901.0)));
  EXPECT_EQ(heapAllocations, general);
}

TEST_F(NumberWrite, ANewNumberIsStoredAndRunsTheReaction) {
  Control& result = form().control("Result");
  result.setText(fixedText(2.675, 2));
  EXPECT_EQ(result.text(), "2.68");
  const int changes = form().changes;
  EXPECT_TRUE(result.setText(generalText(0.1 + 0.2)));
  EXPECT_EQ(result.text(), "0.3");
  EXPECT_EQ(form().changes, changes + 1);
  EXPECT_EQ(fixedText(-0.004, 2).view(), "0.00");
  EXPECT_EQ(fixedText(1e30, 2).str(), "1" + std::string(30, '0') + ".00");
}

// The read of a field is kept between writes; every way its text changes
// (a write, a list choice, a restored design) reads anew.
TEST_F(NumberWrite, AFieldReadFollowsEveryChangeOfItsText) {
  Control& result = form().control("Result");
  result.setText("12");
  EXPECT_EQ(result.num(), 12);
  EXPECT_EQ(result.num(), 12);
  result.setText("35.5W");
  EXPECT_EQ(result.num(), 35.5);
  ControlState saved = result.state();
  saved.text = "7";
  result.restore(saved);
  EXPECT_EQ(result.num(), 7);
  result.setText("");
  EXPECT_EQ(result.num(), 0);
}

}  // namespace
}  // namespace corvane
