#include "model/translator.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane {
namespace {

// A dictionary of a few English texts, by context.
class Dictionary : public Translator {
 public:
  std::map<std::pair<std::string, std::string>, std::string> entries;
  mutable int lookups = 0;

  std::string translate(std::string_view context, const std::string& source) const override {
    ++lookups;
    auto it = entries.find({std::string(context), source});
    return it == entries.end() ? source : it->second;
  }
};

Dictionary english() {
  Dictionary d;
  d.entries[{"Message", "无法打印到"}] = "Cannot print to";
  d.entries[{"Message", "文件无法创建"}] = "the file cannot be created";
  d.entries[{"Message", "保存操作成功！"}] = "Saved.";
  d.entries[{"Report", "开放式温升"}] = "open-frame rise";
  d.entries[{"Report", "元"}] = "CNY";
  d.entries[{"Report", "功率"}] = "Power";
  d.entries[{"Report", "绕线顺序表"}] = "Winding order";
  return d;
}

TEST(ComposedTranslation, NamesAndValuesStayAndThePhrasesAroundThemAreTranslated) {
  Dictionary d = english();
  // a whole text known is taken as it stands
  EXPECT_EQ(translateComposed(d, "Message", "保存操作成功！"), "Saved.");
  // a quoted path is a name: kept byte for byte, even when it holds Chinese
  EXPECT_EQ(translateComposed(d, "Message", "无法打印到“/tmp/报表.pdf”：文件无法创建。"),
            "Cannot print to “/tmp/报表.pdf”: the file cannot be created.");
  // a value in front of a phrase stays, a blank apart from the English
  EXPECT_EQ(translateComposed(d, "Report", "31.3℃开放式温升"), "31.3℃ open-frame rise");
  EXPECT_EQ(translateComposed(d, "Report", "0.20元"), "0.20 CNY");
  EXPECT_EQ(translateComposed(d, "Report", "功率：10.3W"), "Power: 10.3W");
  // a window title with the design's name after the dash
  d.entries[{"Message", "Peak Corvane专家系统"}] = "Peak Corvane expert system";
  EXPECT_EQ(translateComposed(d, "Message", "Peak Corvane专家系统 - 变压器 1.cvd"),
            "Peak Corvane expert system - 变压器 1.cvd");
  // a numbered heading keeps its number
  EXPECT_EQ(translateComposed(d, "Report", "1.绕线顺序表"), "1. Winding order");
}

TEST(ComposedTranslation, SentencesKnownWholeReadAsTranslatedBesideOneAnother) {
  Dictionary d;
  d.entries[{"FrmOperating", "空载电流，A：按磁化曲线计算"}] = "No-load current, A, from the curve";
  d.entries[{"FrmOperating", "绕组N3的铜损没有数值"}] = "Winding N3 has no copper loss value";
  // a field's tip and the reason it is empty, each known on its own
  EXPECT_EQ(
      translateComposed(d, "FrmOperating", "空载电流，A：按磁化曲线计算。绕组N3的铜损没有数值"),
      "No-load current, A, from the curve. Winding N3 has no copper loss value");
  EXPECT_EQ(translateComposed(d, "FrmOperating", "绕组N3的铜损没有数值。"),
            "Winding N3 has no copper loss value.");
  // a full stop inside a quoted name ends no sentence
  d.entries[{"Message", "无法打开设计文件"}] = "Cannot open the design file";
  d.entries[{"Message", "文件是空的"}] = "the file is empty";
  EXPECT_EQ(translateComposed(d, "Message", "无法打开设计文件“a。b.cvd”：文件是空的。"),
            "Cannot open the design file “a。b.cvd”: the file is empty.");
  // a sentence nobody knows stays as it is beside one that is known
  EXPECT_EQ(translateComposed(d, "FrmOperating", "绕组N3的铜损没有数值。未知的话"),
            "Winding N3 has no copper loss value. 未知的话");
}

TEST(ComposedTranslation, FiguresBetweenMarksMakeATextComposedPhraseByPhrase) {
  Dictionary d;
  d.entries[{"FrmSearch", "已完成"}] = "Done";
  d.entries[{"FrmSearch", "可行方案"}] = "feasible";
  d.entries[{"FrmSearch", "最低成本价"}] = "lowest cost price";
  d.entries[{"FrmSearch", "元"}] = "CNY";
  d.entries[{"FrmSearch", "剩余约"}] = "time left approx.";
  const std::string progress = "已完成：120/300，可行方案：3，最低成本价：12.30 元，剩余约 1:02:05";
  EXPECT_TRUE(holdsValues(progress));
  EXPECT_EQ(translateComposed(d, "FrmSearch", progress),
            "Done: 120/300, feasible: 3, lowest cost price: 12.30 CNY, time left approx. 1:02:05");
  EXPECT_EQ(composedPhrases(progress),
            (std::vector<std::string>{"已完成", "可行方案", "最低成本价", "元", "剩余约"}));
  // a figure inside a phrase is part of its words: such a text is one text
  EXPECT_FALSE(holdsValues("绕组N3的铜损没有数值"));
  EXPECT_FALSE(holdsValues("电网电压的波动，%：低压列为额定×(1−波动)"));
}

TEST(ComposedTranslation, ValuesAmongTheWordsAreAskedForAsPlaceholdersAndPutBack) {
  Dictionary d;
  d.entries[{"Message", "第 %1 行的组别数"}] = "the group count on line %1";
  d.entries[{"Message", "不是整数"}] = "is not a whole number";
  d.entries[{"Message", "字段 %1 的内容含有换行"}] = "the content of field %1 holds a line break";
  d.entries[{"Message", "本程序只能读取版本 %1 至"}] = "this program reads versions %1 to";
  EXPECT_EQ(translateComposed(d, "Message", "第 12 行的组别数“x”不是整数"),
            "the group count on line 12 “x” is not a whole number");
  EXPECT_EQ(composedPhrases("第 12 行的组别数“x”不是整数"),
            (std::vector<std::string>{"第 %1 行的组别数", "不是整数"}));
  // a Latin word with a figure is a value too; a value at the end stays after
  EXPECT_EQ(translateComposed(d, "Message", "字段 TXTWN(10) 的内容含有换行"),
            "the content of field TXTWN(10) holds a line break");
  EXPECT_EQ(translateComposed(d, "Message", "本程序只能读取版本 1 至 2"),
            "this program reads versions 1 to 2");
  // a placeholder text asked for is no value itself: the walk notes it
  EXPECT_FALSE(holdsValues("第 %1 行的组别数"));
  EXPECT_TRUE(holdsValues("第 12 行的组别数"));
  // a figure not set apart by blanks is part of a word
  EXPECT_FALSE(holdsValues("欧盟2019/1782号条例"));
  // a path after the words, set apart or not, is a value: the words are looked up alone
  EXPECT_TRUE(holdsValues("仍使用 /usr/share/corvane/bobbins.db"));
  EXPECT_EQ(composedPhrases("仍使用 /home/a/b.db"), (std::vector<std::string>{"仍使用"}));
}

// A name followed by a possessive or a colon keeps to it; the translator is
// told of every name shown as it is, for the walk's check of quoted items.
TEST(ComposedTranslation, APhraseGoingOnANameKeepsToItAndTheNamesAreTold) {
  class Noting : public Dictionary {
   public:
    void quotedAsIs(std::string_view, const std::string& name) const override {
      names.push_back(name);
    }
    mutable std::vector<std::string> names;
  } d;
  d.entries[{"Message", "窗体"}] = "form";
  d.entries[{"Message", "的控件"}] = "'s control";
  d.entries[{"Message", "的 caption 应为文本"}] = "'s caption must be text";
  EXPECT_EQ(translateComposed(d, "Message", "窗体“F”的控件“C”的 caption 应为文本"),
            "form “F”'s control “C”'s caption must be text");
  EXPECT_EQ(d.names, (std::vector<std::string>{"“F”", "“C”"}));
}

TEST(ComposedTranslation, AnUnknownTextAndTheChineseInterfaceLeaveTheTextByteForByte) {
  Dictionary none;
  for (const char* text : {"无法打印到“a.pdf”：文件无法创建。", "31.3℃开放式温升", "功率：10.3W",
                           "低压 −10%", "“未闭合的名称", "：：。。", ""})
    EXPECT_EQ(translateComposed(none, "Report", text), text) << text;
  // a phrase the dictionary lacks stays Chinese beside the ones it has
  Dictionary d = english();
  EXPECT_EQ(translateComposed(d, "Message", "无法打印到“x”：纸张用完。"),
            "Cannot print to “x”: 纸张用完.");
}

TEST(ComposedTranslation, PlainNumbersAndLatinItemsAreNeverLookedUp) {
  Dictionary d = english();
  for (const char* text : {"12.2", "2UEW", "Class B", "EI-48*30", "5307uF-13269uF", "℃"})
    EXPECT_EQ(translateComposed(d, "Report", text), text);
  EXPECT_EQ(d.lookups, 0);
}

TEST(ChineseText, TheCheckFindsIdeographsAndChinesePunctuationButNotUnitsOrQuotes) {
  EXPECT_TRUE(containsCjk("空载电流"));
  EXPECT_TRUE(containsCjk("Io："));  // full-width colon
  EXPECT_TRUE(containsCjk("a，b"));  // full-width comma
  EXPECT_TRUE(containsCjk("注。"));
  EXPECT_FALSE(containsCjk("31.3℃ rise"));
  EXPECT_FALSE(containsCjk("“name”"));
  EXPECT_FALSE(containsCjk("cm^2 mΩ ±10% −"));
  // a malformed byte is no Chinese character
  EXPECT_FALSE(containsCjk(std::string("\xff\xfe", 2)));
}

TEST(ChineseText, ValuesMakeATextOneComposedAtRunTime) {
  EXPECT_TRUE(holdsValues("0.20元"));
  EXPECT_TRUE(holdsValues("低压 −10%"));
  EXPECT_TRUE(holdsValues("无法打开“a”"));
  EXPECT_FALSE(holdsValues("铜重(g)"));
  EXPECT_FALSE(holdsValues("磁通密度Bm(T)"));
  EXPECT_FALSE(holdsValues("六级能效（美国能源部六级、欧盟2019/1782号条例）"));
  EXPECT_EQ(composedPhrases("无法打印到“a”：文件无法创建。"),
            (std::vector<std::string>{"无法打印到", "文件无法创建"}));
  EXPECT_EQ(composedPhrases("31.3℃开放式温升"), (std::vector<std::string>{"开放式温升"}));
}

TEST(LanguageCode, OnlyTheTwoCodesAreLanguages) {
  Language language = Language::English;
  EXPECT_TRUE(languageFromCode("zh", language));
  EXPECT_EQ(language, Language::Chinese);
  EXPECT_TRUE(languageFromCode("en", language));
  EXPECT_EQ(language, Language::English);
  for (const char* bad : {"", "EN", "zh_CN", "de", "en "})
    EXPECT_FALSE(languageFromCode(bad, language)) << bad;
  EXPECT_STREQ(languageCode(Language::Chinese), "zh");
}

}  // namespace
}  // namespace corvane
