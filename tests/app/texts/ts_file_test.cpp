#include "app/texts/ts_file.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr const char* kTs = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Frmcore</name>
    <message>
        <source>叠厚 &amp; 舌宽</source>
        <translation>Stack &amp; tongue</translation>
    </message>
    <message>
        <source>窗口</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>铁损</source>
        <translation>铁损</translation>
    </message>
    <message>
        <source>空载</source>
        <translation/>
    </message>
</context>
</TS>
)";

TEST(TranslationSource, EveryShownTextNeedsAFinishedEnglishTranslationInItsOwnContext) {
  Outcome<std::vector<TsMessage>> read = parseTs(kTs);
  ASSERT_TRUE(read) << read.reason();
  ASSERT_EQ(read.value().size(), 4u);
  EXPECT_EQ(read.value()[0].source, "叠厚 & 舌宽");
  EXPECT_EQ(read.value()[0].translation, "Stack & tongue");
  EXPECT_TRUE(read.value()[1].unfinished);
  EXPECT_EQ(read.value()[3].context, "Report");

  ShownTexts shown;
  shown["Frmcore"] = {"叠厚 & 舌宽", "窗口"};
  shown["Report"] = {"铁损", "空载", "窗口"};  // 窗口 is translated for Frmcore only
  const std::vector<std::string> problems = translationProblems(shown, read.value());
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_NE(problems[0].find("unfinished"), std::string::npos) << problems[0];
  EXPECT_NE(problems[1].find("empty"), std::string::npos) << problems[1];
  EXPECT_NE(problems[2].find("has no translation"), std::string::npos) << problems[2];
  EXPECT_NE(problems[3].find("into Chinese"), std::string::npos) << problems[3];
}

TEST(TranslationSource, TextsAddedAreUnfinishedAndTheFileReadsBackAsWritten) {
  ShownTexts shown;
  shown["Frmcore"] = {"叠厚 & 舌宽", "骨架 <新>"};
  std::vector<TsMessage> added = withMissingAdded(shown, parseTs(kTs).value());
  ASSERT_EQ(added.size(), 5u);
  // beside the other texts of its form, waiting for its English
  EXPECT_EQ(added[2].source, "骨架 <新>");
  EXPECT_TRUE(added[2].unfinished);
  Outcome<std::vector<TsMessage>> again = parseTs(writeTs(added));
  ASSERT_TRUE(again) << again.reason();
  ASSERT_EQ(again.value().size(), added.size());
  for (size_t i = 0; i < added.size(); ++i) {
    EXPECT_EQ(again.value()[i].context, added[i].context);
    EXPECT_EQ(again.value()[i].source, added[i].source);
    EXPECT_EQ(again.value()[i].translation, added[i].translation);
    EXPECT_EQ(again.value()[i].unfinished, added[i].unfinished);
  }
}

TEST(TranslationSource, AMalformedFileIsRefusedWithItsReason) {
  EXPECT_FALSE(parseTs(""));
  EXPECT_FALSE(parseTs("<TS><context><message><source>a</source></message></context></TS>"));
  Outcome<std::vector<TsMessage>> cut =
      parseTs("<TS><context><name>X</name><message><source>未闭合");
  ASSERT_FALSE(cut);
  EXPECT_FALSE(cut.reason().empty());
}

}  // namespace
}  // namespace corvane
