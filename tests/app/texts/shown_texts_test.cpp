#include "app/texts/shown_texts.h"

#include <gtest/gtest.h>

#include "app/form_catalog.h"
#include "app/script/scripted_host.h"
#include "model/form_names.h"
#include "model/workspace.h"

namespace corvane {
namespace {

bool noted(const NotingTranslator& translator, const std::string& context,
           const std::string& text) {
  auto it = translator.texts().find(context);
  return it != translator.texts().end() && it->second.count(text) > 0;
}

// What corvane-texts asks for beyond the forms' controls reaches the words
// drawn on the search plot and the reasons of the deeper readers.
TEST(ShownTexts, TheWalkReachesThePlotsWordsAndTheReadersReasons) {
  ScriptedHost host;
  NotingTranslator translator;
  host.setTranslator(&translator);
  Workspace workspace(host);
  registerAllForms(workspace);
  askForFormTexts(workspace, translator);
  askForGeneratedTexts(workspace, translator);
  const std::string plot = wordsContext(forms::kSearch);
  // before any result and with results
  for (const char* word : {"尚无结果", "成本价(元)", "负载温升(℃)", "帕累托前沿", "不可行"})
    EXPECT_TRUE(noted(translator, plot, word)) << word;
  // a catalogue that is none, a SQLite column missing, a read that ran out of time
  EXPECT_TRUE(noted(translator, forms::kBobbin, "既不是 SQLite 也不是 Access 数据库"));
  EXPECT_TRUE(noted(translator, forms::kBobbin, "骨架表缺少列 SUP"));
  EXPECT_TRUE(noted(translator, forms::kBobbin, "读取超时"));
  // a model that cannot be built, a range that cannot be searched
  EXPECT_TRUE(noted(translator, text_contexts::kMessage, "之间的漏感不小于励磁电感"));
  EXPECT_TRUE(noted(translator, forms::kSearch, "叠厚的最小值大于最大值"));
  // a project file's key of the wrong type, a control that does not fit, parts skipped
  EXPECT_TRUE(noted(translator, text_contexts::kMessage, "的 backColor 应为颜色 [红, 绿, 蓝]"));
  EXPECT_TRUE(noted(translator, text_contexts::kMessage, "缺少行号 index"));
  EXPECT_TRUE(noted(translator, text_contexts::kMessage, "以下内容已忽略"));
}

// A quoted name is a value shown as it is; one that is the program's own
// text would stay Chinese in English.
TEST(ShownTexts, AQuotedTextOfTheProgramsOwnIsFoundButAQuotedValueIsNot) {
  NotingTranslator translator;
  translateComposed(translator, "Frmeledata", "整流电路");
  translateComposed(translator, "Frmeledata", "全桥电容");
  translateComposed(translator, "Message", "无法打开设计文件“电源.CVN”：文件是空的。");
  EXPECT_TRUE(quotedOwnTexts(translator).empty());
  translateComposed(translator, "Message", "输出组“W1”的整流电路“全桥电容”无效");
  EXPECT_EQ(quotedOwnTexts(translator), std::vector<std::string>{"Message: \u201C全桥电容\u201D"});
}

}  // namespace
}  // namespace corvane
