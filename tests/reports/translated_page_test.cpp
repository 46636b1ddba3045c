#include <gtest/gtest.h>

#include <map>

#include "model/translator.h"
#include "reports/recording_printer.h"

namespace corvane {
namespace {

class TwoWords : public Translator {
 public:
  std::string translate(std::string_view, const std::string& source) const override {
    static const std::map<std::string, std::string> kEnglish = {{"开放式温升", "open-frame rise"}};
    auto it = kEnglish.find(source);
    return it == kEnglish.end() ? source : it->second;
  }
};

TEST(TranslatedPage, TheReportPrintsInTheLanguageAndMeasuresWhatItPrints) {
  TwoWords d;
  RecordingPrinter page;
  page.scale(0, 0, 210, 290);
  const double chineseWidth = page.width({"开放式温升"});
  page.translateWith(&d);
  EXPECT_GT(page.width({"开放式温升"}), chineseWidth);  // 15 Latin letters outrun 5 ideographs
  page.printAt(20, 270, {"31.3℃开放式温升", PrintItem::gap(5), "12.2"});
  ASSERT_FALSE(page.lines().empty());
  EXPECT_NE(page.lines().back().find("\"31.3℃ open-frame rise\" gap 5 \"12.2\""), std::string::npos)
      << page.lines().back();
  page.translateWith(nullptr);
  page.printAt(20, 275, {"开放式温升"});
  EXPECT_NE(page.lines().back().find("\"开放式温升\""), std::string::npos);
}

}  // namespace
}  // namespace corvane
