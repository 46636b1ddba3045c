// "导出SPICE模型" on the structure form: the two files beside each other, and
// one message and no file for every export that cannot be made.
#include "spice/spice_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

#include "spice/netlist_text.h"
#include "spice_designs.h"
#include "support/test_files.h"

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

class SpiceExport : public ::testing::Test {
 protected:
  SpiceExport() { program.run(typicalDesignScript()); }

  const std::vector<ScriptedHost::Message>& messages() { return program.host.messages(); }
  // The one message the export showed, and that it warned.
  std::string onlyWarning() {
    EXPECT_EQ(messages().size(), 1u);
    if (messages().empty()) return {};
    EXPECT_EQ(messages().back().icon, MessageIcon::Warning);
    return messages().back().text;
  }
  std::vector<std::string> filesInFolder() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TestFolder folder{"corvane-spice"};
  ScriptedProgram program;
};

TEST_F(SpiceExport, WritesTheModelAndTheCircuitThatIncludesIt) {
  program.exportTo(folder.file("adapter-12V.lib"));
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"adapter-12V.cir", "adapter-12V.lib"}));
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].icon, MessageIcon::Information);
  EXPECT_EQ(messages()[0].text, "SPICE模型已保存到“" + folder.file("adapter-12V.lib") +
                                    "”，电源电路已保存到“" + folder.file("adapter-12V.cir") +
                                    "”。");
  const std::string circuit = fileContents(folder.file("adapter-12V.cir"));
  EXPECT_NE(circuit.find("\n.include adapter-12V.lib\n"), std::string::npos);
  EXPECT_NE(circuit.find("\nXT MAINS 0 S1A S1B adapter_12V\n"), std::string::npos);
  EXPECT_NE(fileContents(folder.file("adapter-12V.lib")).find("\n.subckt adapter_12V "),
            std::string::npos);
}

// The chooser's answer without ".lib" gets it, so the design file chosen by
// mistake stays a design file.
TEST_F(SpiceExport, ANameWithoutTheLibraryExtensionGetsIt) {
  std::ofstream(folder.file("d.cvd")) << "design";
  program.exportTo(folder.file("d.cvd"));
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"d.cvd", "d.cvd.cir", "d.cvd.lib"}));
  EXPECT_EQ(fileContents(folder.file("d.cvd")), "design");
  EXPECT_EQ(spice::libraryPathFor("/x/T.LIB"), "/x/T.LIB");
  EXPECT_EQ(spice::circuitPathFor("/x/T.LIB"), "/x/T.cir");
  EXPECT_EQ(spice::subcircuitNameFor("12V-out.v2.lib"), "X12V_out");
}

// The circuit includes the model by its file name: one a simulator may not
// read is refused before anything is written.
TEST_F(SpiceExport, AFileNameASimulatorCannotIncludeIsRefused) {
  for (const char* name : {"变压器.lib", "my model.lib", ".lib"}) {
    program.exportTo(folder.file(name));
    EXPECT_TRUE(filesInFolder().empty()) << name;
  }
  ASSERT_EQ(messages().size(), 3u);
  EXPECT_EQ(messages()[0].text, "无法导出SPICE模型“" + folder.file("变压器.lib") +
                                    "”：文件名只能由英文字母、数字、下划线、连字符和点组成，"
                                    "电源电路按文件名包含它，各种仿真软件才都能读。");
}

// The circuit's name is a folder: neither file is replaced, the model's old
// text stays, no temporary file is left, and the message names the circuit.
TEST_F(SpiceExport, AFailedWriteNamesTheFileAndKeepsTheOldOnes) {
  std::ofstream(folder.file("t.lib")) << "old model";
  fs::create_directory(folder.file("t.cir"));
  program.exportTo(folder.file("t.lib"));
  EXPECT_EQ(onlyWarning(), "无法保存SPICE文件“" + folder.file("t.cir") + "”：这是一个文件夹。");
  EXPECT_EQ(fileContents(folder.file("t.lib")), "old model");
  EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"t.cir", "t.lib"}));
}

// 1.75 T is above the 1.7 T where 50H800 saturates.
TEST_F(SpiceExport, ASaturatedDesignExportsNothing) {
  program.run("set Frmcore.TxtBm 1.75");
  program.exportTo(folder.file("t.lib"));
  EXPECT_EQ(onlyWarning(),
            "无法导出SPICE模型：铁芯已饱和：磁通密度Bm 1.75 T 超过钢材“50H800”的饱和点，"
            "线性模型不成立。");
  EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(SpiceExport, ADesignWithoutNoLoadCurrentExportsNothing) {
  program.run("set Frmjiegou.TxtI0 \"\"");
  program.exportTo(folder.file("t.lib"));
  EXPECT_EQ(onlyWarning(), "无法导出SPICE模型：没有空载电流I0，请先运行参数仿真。");
  EXPECT_TRUE(filesInFolder().empty());
}

// Turns typed far beyond reason give an inductance no double holds: no file
// with an infinite or undefined value, one message.
TEST_F(SpiceExport, NoInfiniteValueReachesAFile) {
  program.run("dblclick Frmjiegou.\"圈数Ts\"");
  program.run("set Frmjiegou.TXTTURN(1) 1e200");
  program.exportTo(folder.file("t.lib"));
  EXPECT_EQ(onlyWarning(), "无法导出SPICE模型：模型的数值超出范围。");
  EXPECT_TRUE(filesInFolder().empty());

  spice::NetlistText text;
  text.line("R1 A B " + text.number(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(text.text());
}

TEST_F(SpiceExport, ACancelledChooserDoesNothing) {
  program.run("file cancel");
  program.run("click Frmjiegou.\"导出SPICE模型\"");
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(filesInFolder().empty());
}

// A label with a line break stays inside its comment.
TEST(NetlistComment, LineBreaksAndControlCharactersBecomeBlanks) {
  EXPECT_EQ(spice::commentSafe("W1\n.end\r\tx"), "W1 .end  x");
  EXPECT_EQ(spice::commentSafe("全桥电容"), "全桥电容");
}

}  // namespace
}  // namespace corvane::testing
