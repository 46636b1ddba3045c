#include "model/print_job.h"

#include <gtest/gtest.h>

#include "model/print_surface.h"
#include "support/fake_host.h"

namespace corvane {
namespace {

// A device that records what reaches it and can be told to fail at a new
// page or at the end of the job.
class FlakyPrinter : public PrintSurface {
 public:
  std::vector<std::string>* log = nullptr;
  std::string failAtNewPage;
  std::string failAtEnd;

  std::string deviceName() const override { return "办公室打印机"; }

 protected:
  void onScale(double, double, double, double) override {}
  void onFont(const PrintFont&) override {}
  void onPrintCall(double, double, const std::vector<PrintItem>& items) override {
    for (const PrintItem& item : items) log->push_back(item.text);
  }
  void drawText(double, double, const std::string&) override {}
  void drawLine(double, double, double, double, Rgb) override { log->push_back("line"); }
  void drawPicture(const Picture&, const std::string&, double, double, double, double) override {}
  void drawFormImage(Form&) override {}
  void startNewPage() override {
    log->push_back("newpage");
    if (!failAtNewPage.empty()) fail(failAtNewPage);
  }
  void finish() override {
    log->push_back("finish");
    if (!failAtEnd.empty()) fail(failAtEnd);
  }
};

class PrintJobTest : public ::testing::Test {
 protected:
  void usePrinter(std::string newPageFailure, std::string endFailure) {
    host.printerFactory = [this, newPageFailure, endFailure] {
      auto printer = std::make_unique<FlakyPrinter>();
      printer->log = &log;
      printer->failAtNewPage = newPageFailure;
      printer->failAtEnd = endFailure;
      return printer;
    };
  }
  bool twoPages() {
    return printReport(host, "报表", [](PrintSurface& page) {
      page.print({"第一页"});
      page.newPage();
      page.print({"第二页"});
      page.line(0, 0, 10, 0);
      page.endDoc();
    });
  }

  testing::FakeHost host;
  std::vector<std::string> log;
};

TEST_F(PrintJobTest, NewPageStartsAtTheTopLeftAndTheJobEndsOnce) {
  usePrinter("", "");
  std::vector<double> positions;
  EXPECT_TRUE(printReport(host, "报表", [&](PrintSurface& page) {
    page.scale(0, 0, 210, 290);
    page.setCurrentX(50);
    page.setCurrentY(200);
    page.newPage();
    positions = {page.currentX(), page.currentY()};
    page.endDoc();
  }));
  EXPECT_EQ(positions, (std::vector<double>{0, 0}));
  EXPECT_EQ(log, (std::vector<std::string>{"newpage", "finish"}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PrintJobTest, DeviceFailingMidJobTakesNoMoreOutputAndSaysWhy) {
  usePrinter("纸张用完", "");
  EXPECT_FALSE(twoPages());
  // nothing after the failed page, and the broken job is not released
  EXPECT_EQ(log, (std::vector<std::string>{"第一页", "newpage"}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "无法打印到“办公室打印机”：纸张用完。");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
}

TEST_F(PrintJobTest, DeviceFailingAtTheEndSaysSoOnce) {
  usePrinter("", "脱机");
  EXPECT_FALSE(twoPages());
  EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"无法打印到“办公室打印机”：脱机。"});
}

TEST_F(PrintJobTest, CancelledDialogIsSilent) {
  host.printerAvailable = false;
  EXPECT_FALSE(twoPages());
  EXPECT_TRUE(host.printerAsked);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace corvane
