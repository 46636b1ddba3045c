#include "app/script/script_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/script/script_test_form.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "reports/recording_printer.h"
#include "support/test_files.h"

namespace corvane {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string notes;
};

Outcome run(const std::string& script, ScriptEnvironment environment = {}) {
  environment.extraForms = registerScriptTestForm;
  std::ostringstream notes;
  environment.diagnostics = &notes;
  std::istringstream in(script);
  std::ostringstream out;
  Outcome result;
  result.status = runScript(in, out, environment);
  result.out = out.str();
  result.notes = notes.str();
  return result;
}

class ScratchDir : public ::testing::Test {
 protected:
  std::string path(const char* name) const { return folder_.file(name); }
  testing::TestFolder folder_{"corvane-script-test"};
  const std::filesystem::path& dir_ = folder_.path();
};

// ---------------------------------------------------------------- driving

TEST(ScriptRun, SetCascadesThroughChangeReactions) {
  Outcome r = run("set FrmTest.TxtA 5\nprint FrmTest.TxtB\nprint FrmTest.TxtC\n");
  EXPECT_EQ(r.out, "FrmTest.TxtB = \"10\"\nFrmTest.TxtC = \"11\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, ArrayElementsFeedALabelCaption) {
  Outcome r = run("set FrmTest.txtRow(0) 1\nset FrmTest.txtRow(2) 2.5\nprint FrmTest.LblSum\n");
  EXPECT_EQ(r.out, "FrmTest.LblSum = \"3.5\"\n");
}

TEST(ScriptRun, FormLoadRunsOnFirstUse) {
  EXPECT_EQ(run("print FrmTest.TxtLoaded\n").out, "FrmTest.TxtLoaded = \"yes\"\n");
}

TEST(ScriptRun, TypeRunsEachKeyPressBeforeItsChange) {
  Outcome r =
      run("set FrmTest.TxtTyped zz\n"
          "type FrmTest.TxtTyped ab\n"
          "print FrmTest.TxtTyped\n"
          "print FrmTest.TxtLog\n");
  // gaining focus selects the whole text, so the first key replaces it
  EXPECT_EQ(r.out, "FrmTest.TxtTyped = \"ab\"\nFrmTest.TxtLog = \"cpacpbc\"\n");
}

TEST(ScriptRun, EnterAndKeyReachTheirReactions) {
  Outcome r =
      run("enter FrmTest.TxtA\nprint FrmTest.TxtFocus\n"
          "key FrmTest.TxtKey 27\nprint FrmTest.TxtKey\n"
          "focus FrmTest.TxtB\n");
  EXPECT_EQ(r.out, "FrmTest.TxtFocus = \"B\"\nFrmTest.TxtKey = \"27\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, ChooseTakesItemTextOrIndex) {
  Outcome r =
      run("choose FrmTest.CmbKind 全桥电容\nprint FrmTest.TxtResult\n"
          "choose FrmTest.CmbKind #1\nprint FrmTest.CmbKind\n"
          "expect-prop FrmTest.CmbKind listindex 1\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"kind 2\"\nFrmTest.CmbKind = \"半波电容\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, ChooseOfAnUnknownItemIsAScriptError) {
  EXPECT_EQ(run("choose FrmTest.CmbKind 三相\n").out,
            "ERROR line 1: FrmTest.CmbKind has no item \"三相\"\n");
  Outcome r = run("choose FrmTest.CmbKind #3\n");
  EXPECT_EQ(r.out, "ERROR line 1: FrmTest.CmbKind has no item #3 (it has 3)\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(run("choose FrmTest.TxtA x\n").out,
            "ERROR line 1: cannot choose in FrmTest.TxtA: it is a text box\n");
}

TEST(ScriptRun, SetOnAListOnlyComboSelectsTheItem) {
  Outcome r =
      run("set FrmTest.CmbKind 半波电容\nprint FrmTest.TxtResult\n"
          "set FrmTest.CmbWire TRIPLE\nprint FrmTest.CmbWire\n"
          "set FrmTest.CmbKind 三相\nprint FrmTest.CmbKind\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"kind 1\"\nFrmTest.CmbWire = \"TRIPLE\"\n"
            "ERROR line 5: FrmTest.CmbKind has no item \"三相\"\n");
  EXPECT_EQ(r.status, 2);
}

TEST(ScriptRun, SetRefusesControlsNobodyTypesInto) {
  EXPECT_EQ(run("set FrmTest.ChkDual 1\n").out,
            "ERROR line 1: cannot set FrmTest.ChkDual: it is a check box (use click or choose)\n");
  EXPECT_EQ(run("type FrmTest.LblSum 1\n").out,
            "ERROR line 1: cannot type into FrmTest.LblSum: it is a label\n");
}

TEST(ScriptRun, ClicksToggleCheckBoxesAndSelectOptions) {
  Outcome r =
      run("click FrmTest.ChkDual\nprint FrmTest.ChkDual\n"
          "expect-prop FrmTest.TxtSecond visible 1\n"
          "expect-prop FrmTest.TxtSecond backcolor 255, 0, 0\n"
          "click FrmTest.OptB\nprint FrmTest.OptA\nprint FrmTest.OptB\n"
          "dblclick FrmTest.TxtResult\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out,
            "FrmTest.ChkDual = \"1\"\nFrmTest.OptA = \"0\"\nFrmTest.OptB = \"1\"\n"
            "FrmTest.TxtResult = \"double\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, CaptionsAddressButtonsAndArrayElements) {
  Outcome r = run("click FrmTest.\"第二\"\nprint FrmTest.TxtResult\nclick FrmTest.\"无此按钮\"\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"row 1\"\n"
            "ERROR line 3: FrmTest has no control captioned \"无此按钮\"\n");
}

TEST(ScriptRun, UserActionsOnDisabledOrLockedControlsDoNothing) {
  Outcome r =
      run("click FrmTest.CmdOff\nclick FrmTest.CmdInFrame\nset FrmTest.TxtLocked changed\n"
          "print FrmTest.TxtResult\nprint FrmTest.TxtLocked\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"\"\nFrmTest.TxtLocked = \"fixed\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.notes.find("line 1: FrmTest.CmdOff is disabled; nothing happens"), std::string::npos);
  EXPECT_NE(r.notes.find("line 2: FrmTest.CmdInFrame sits in the disabled frame FraBox"),
            std::string::npos);
  EXPECT_NE(r.notes.find("line 3: FrmTest.TxtLocked is locked"), std::string::npos);
}

TEST(ScriptRun, ShowMakesAFormVisibleWithoutCreatingItTwice) {
  Outcome r =
      run("expect-prop FrmTest visible 0\nset FrmTest.TxtA 1\nshow FrmTest\n"
          "expect-prop FrmTest visible true\nexpect-prop FrmTest caption 测试窗体\n"
          "print FrmTest.TxtA\n");
  EXPECT_EQ(r.out, "FrmTest.TxtA = \"1\"\n");
  EXPECT_EQ(r.status, 0);
}

// ---------------------------------------------------------------- timers and clock

TEST(ScriptRun, TickRunsTheTimerNTimesAndPanelsCountFromOne) {
  Outcome r =
      run("tick FrmTest.TimCount 125\nprint FrmTest.St(2)\nprint FrmTest.St(1)\n"
          "tick FrmTest.TimCount\nexpect FrmTest.St(2) 126\n");
  EXPECT_EQ(r.out, "FrmTest.St(2) = \"125\"\nFrmTest.St(1) = \"欢迎\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, DisabledTimersDoNotFire) {
  Outcome r =
      run("tick FrmTest.TimOff 3\ntick FrmTest.TimOnce 5\nprint FrmTest.TxtResult\n"
          "tick FrmTest.CmdOff\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"t\"\n"
            "ERROR line 4: cannot tick FrmTest.CmdOff: it is a button\n");
}

TEST(ScriptRun, TimersOfAClosedFormDoNotFire) {
  Outcome r =
      run("tick FrmTest.TimCount 2\nclick FrmTest.CmdClose\ntick FrmTest.TimCount\n"
          "print FrmTest.St(2)\n");
  // the print creates the form afresh: no tick reached it
  EXPECT_EQ(r.out, "FrmTest.St(2) = \"\"\n");
  EXPECT_NE(r.notes.find("FrmTest is closed; its timers do not fire"), std::string::npos);
}

TEST(ScriptRun, TodayAndNowSetTheClockTheFormsRead) {
  Outcome r =
      run("today 2024-02-29\nnow 08:05:00\nclick FrmTest.CmdClock\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"2024/2/29 08:05:00\"\n");
}

// ---------------------------------------------------------------- output

TEST(ScriptRun, PrintEscapesQuotesBackslashesAndLineBreaks) {
  Outcome r = run("set FrmTest.TxtTyped \"say \\\"hi\\\" \\\\ \\n\"\nprint FrmTest.TxtTyped\n");
  EXPECT_EQ(r.out, "FrmTest.TxtTyped = \"say \\\"hi\\\" \\\\ \\n\"\n");
}

TEST(ScriptRun, PrintEchoesTheAddressAsWritten) {
  EXPECT_EQ(run("print FrmTest.\"提示\"\n").out, "FrmTest.\"提示\" = \"提示\"\n");
}

TEST(ScriptRun, DumpPrintsEveryControlInDesignOrder) {
  Outcome r = run("set FrmTest.TxtA 2\ndump FrmTest\n");
  std::istringstream lines(r.out);
  std::vector<std::string> dumped;
  for (std::string line; std::getline(lines, line);) dumped.push_back(line);
  ASSERT_GE(dumped.size(), 8u);
  EXPECT_EQ(dumped[0], "FrmTest.TxtA = \"2\"");
  EXPECT_EQ(dumped[1], "FrmTest.TxtB = \"4\"");
  EXPECT_EQ(dumped[2], "FrmTest.TxtC = \"5\"");
  EXPECT_EQ(dumped[3], "FrmTest.txtRow(0) = \"\"");
  EXPECT_EQ(dumped[5], "FrmTest.txtRow(2) = \"\"");
  EXPECT_EQ(dumped[6], "FrmTest.LblSum = \"0\"");
  EXPECT_NE(
      r.out.find("\nFrmTest.St(1) = \"欢迎\"\nFrmTest.St(2) = \"\"\nFrmTest.St(3) = \"秒\"\n"),
      std::string::npos);
  EXPECT_NE(r.out.find("\nFrmTest.ChkDual = \"0\"\n"), std::string::npos);
}

TEST(ScriptRun, ListNamesArraysOnceWithTheirIndices) {
  Outcome r = run("list FrmTest\n");
  EXPECT_EQ(r.out.substr(0, 31), "TxtA\nTxtB\nTxtC\ntxtRow(0,1,2)\nLb");
  EXPECT_NE(r.out.find("\nSt(1,2,3)\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nCmdRow(0,1)\n"), std::string::npos);
}

TEST(ScriptRun, EvalPrintsFormulaResults) {
  Outcome r =
      run("eval F1 220 50 1.5 10\neval F1 220 0 1.5 10\neval F5 30 0.5 \"2uew\" 1\n"
          "eval F21 -1 1 1 1 1\n");
  EXPECT_EQ(r.out, "661\n(empty)\n57\n(error)\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, EvalOfAnUnknownFormulaOrWrongArgumentsIsAScriptError) {
  Outcome unknown = run("eval F15 1 2\n");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out.rfind("ERROR line 1: ", 0), 0u);
  EXPECT_NE(unknown.out.find("F15"), std::string::npos);
  Outcome count = run("eval F1 220 50\n");
  EXPECT_EQ(count.status, 2);
  EXPECT_EQ(count.out.rfind("ERROR line 1: F1 takes 4 arguments", 0), 0u);
}

// ---------------------------------------------------------------- dialogs

TEST(ScriptRun, MessagesListsEveryMessageBoxWithItsIcon) {
  Outcome r =
      run("click FrmTest.CmdMessage\nclick FrmTest.CmdWarn\nclick FrmTest.CmdAsk\nmessages\n");
  EXPECT_EQ(r.out, "[information] 计算完成\n[warning] 输入有误\\n请重试\n");
}

TEST(ScriptRun, ExpectMessageChecksTheOldestUncheckedMessage) {
  Outcome r =
      run("click FrmTest.CmdMessage\nclick FrmTest.CmdWarn\n"
          "expect-message 计算完成\nexpect-message \"输入有误\\n请重试\"\n"
          "expect-message 还有一个\n");
  EXPECT_EQ(r.out, "FAIL line 5: no message box left to check, expected \"还有一个\"\n");
  EXPECT_EQ(r.status, 1);
  Outcome wrong = run("click FrmTest.CmdMessage\nexpect-message 出错\n");
  EXPECT_EQ(wrong.out, "FAIL line 2: message = \"计算完成\", expected \"出错\"\n");
}

TEST(ScriptRun, QuestionsTakeQueuedAnswersInOrderThenNo) {
  Outcome r =
      run("answer yes\ninput 42\nanswer no\n"
          "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
          "answer yes\nclick FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"yes\"\nFrmTest.TxtResult = \"no\"\n"
            "FrmTest.TxtResult = \"42\"\nFrmTest.TxtResult = \"yes\"\n"
            "FrmTest.TxtResult = \"no\"\n");
}

TEST(ScriptRun, InputBoxesTakeTextCancelOrTheQuotedWordCancel) {
  Outcome r =
      run("input cancel\ninput \"cancel\"\ninput\n"
          "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
          "set FrmTest.TxtResult x\nclick FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"(cancel)\"\nFrmTest.TxtResult = \"cancel\"\n"
            "FrmTest.TxtResult = \"\"\nFrmTest.TxtResult = \"(cancel)\"\n");
}

TEST(ScriptRun, FileAnswersServeOpenAndSaveChoosersInOrder) {
  Outcome r =
      run("file /designs/a.cvn\nfile cancel\nfile \"/designs/b c.cvn\"\n"
          "click FrmTest.CmdOpen\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdSave\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdSave\nprint FrmTest.TxtResult\n"
          "click FrmTest.CmdOpen\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out,
            "FrmTest.TxtResult = \"/designs/a.cvn\"\nFrmTest.TxtResult = \"(cancel)\"\n"
            "FrmTest.TxtResult = \"/designs/b c.cvn\"\nFrmTest.TxtResult = \"(cancel)\"\n");
  EXPECT_EQ(run("file\n").out, "ERROR line 1: file needs a path or cancel\n");
}

TEST_F(ScratchDir, PrinterRecordWritesTheListingOfTheJob) {
  std::string page = path("page.txt");
  Outcome r =
      run("printer record " + page + "\nclick FrmTest.\"打印参数表\"\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"printed\"\n");
  EXPECT_EQ(testing::fileContents(page),
            "scale 0 0 210 290\n"
            "font 黑体 9\n"
            "font 黑体 14\n"
            "print 20 10 \"变压器\" gap 2 \"参数\"\n"
            "line 10 20 200 20 0,0,0\n"
            "formimage FrmTest\n"
            "enddoc\n");
  EXPECT_FALSE(std::filesystem::exists(page + ".part"));
}

TEST_F(ScratchDir, PrinterDialogsWithoutAnswerOrWithCancelPrintNothing) {
  Outcome r =
      run("printer cancel\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n"
          "set FrmTest.TxtResult x\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"(cancel)\"\nFrmTest.TxtResult = \"(cancel)\"\n");
}

TEST(ScriptRun, PrinterPdfNeedsTheDesktopProgram) {
  Outcome r = run("printer pdf /tmp/x.pdf\nprint FrmTest.TxtA\n");
  EXPECT_EQ(r.out,
            "ERROR line 1: printer pdf needs the desktop program: run corvane --script FILE\n");
  EXPECT_EQ(r.status, 2);
}

TEST(ScriptRun, PrinterPdfUsesTheEnvironmentsPdfPrinter) {
  std::string asked;
  ScriptEnvironment environment;
  environment.pdfPrinter = [&asked](const std::string& path) {
    asked = path;
    return std::make_unique<RecordingPrinter>();
  };
  Outcome r = run("printer pdf out/sheet.pdf\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n",
                  environment);
  EXPECT_EQ(asked, "out/sheet.pdf");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"printed\"\n");
}

TEST(ScriptRun, PdfThatCannotBeCreatedIsToldAsTheDesktopTellsIt) {
  ScriptEnvironment environment;
  environment.pdfPrinter = [](const std::string&) { return std::unique_ptr<PrintSurface>(); };
  Outcome r = run("printer pdf out/sheet.pdf\nclick FrmTest.CmdPrint\nmessages\n", environment);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "[warning] 无法打印到“out/sheet.pdf”：文件无法创建。\n");
}

TEST_F(ScratchDir, ARecordingThatCannotBeWrittenIsAScriptError) {
  std::string page = path("missing-dir/page.txt");
  Outcome r = run("printer record " + page + "\nclick FrmTest.CmdPrint\nprint FrmTest.TxtA\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out.rfind("ERROR line 2: cannot write " + page + ": ", 0), 0u) << r.out;
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(ScratchDir, WithoutFileAnswersNothingIsReadOrWritten) {
  std::string page = path("page.txt");
  ScriptEnvironment environment;
  environment.fileAnswers = false;
  Outcome r = run("printer record " + page + "\nfile " + path("a.cvn") +
                      "\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n"
                      "click FrmTest.CmdOpen\nprint FrmTest.TxtResult\n",
                  environment);
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"(cancel)\"\nFrmTest.TxtResult = \"(cancel)\"\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

// ---------------------------------------------------------------- the bobbin catalogue

TEST_F(ScratchDir, CatalogueCommandPointsTheBobbinFormAtAnotherFile) {
  std::string own = path("own.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), own);
  Outcome r = run("catalogue " + own +
                  "\nprint Frmbobbin.LblStatus\nset Frmbobbin.Text8 EI-48*30\n"
                  "print Frmbobbin.Text6\nprint Frmbobbin.Data1Pos\n");
  EXPECT_EQ(r.out, "Frmbobbin.LblStatus = \"骨架目录：" + own +
                       "\"\nFrmbobbin.Text6 = \"GZ-48-30\"\nFrmbobbin.Data1Pos = \"记录 1/1\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST_F(ScratchDir, UnreadableCatalogueIsNamedInTheStatusLineAndTheRunGoesOn) {
  std::string broken = path("broken.sqlite");
  std::ofstream(broken) << "not a catalogue";
  Outcome r = run("catalogue " + broken + "\nprint Frmbobbin.LblStatus\n" + "catalogue " +
                  path("missing.sqlite") + "\nexpect Frmbobbin.TXTBSW 0.0\n");
  EXPECT_NE(r.out.find("无法读取骨架目录“"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("既不是 SQLite 也不是 Access 数据库"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(broken), std::string::npos) << r.out;
  EXPECT_EQ(r.status, 1);  // TXTBSW is empty until a type is chosen: only the check fails
  EXPECT_EQ(r.out.find("ERROR"), std::string::npos) << r.out;
}

TEST(ScriptRun, CatalogueNeedsAPathAndIsNotReadWithoutFileAnswers) {
  EXPECT_EQ(run("catalogue\n").out, "ERROR line 1: catalogue needs a path\n");
  ScriptEnvironment environment;
  environment.fileAnswers = false;
  Outcome r = run("catalogue /nowhere/own.sqlite\nprint Frmbobbin.LblStatus\n", environment);
  EXPECT_EQ(r.out.find("/nowhere"), std::string::npos) << r.out;
  EXPECT_NE(r.notes.find("is not read in this run"), std::string::npos) << r.notes;
}

// ---------------------------------------------------------------- checks and exit status

TEST(ScriptRun, FailedChecksReportAndTheRunGoesOn) {
  Outcome r =
      run("set FrmTest.TxtA 5\nexpect FrmTest.TxtB 10\nexpect FrmTest.TxtC 12\n"
          "expect FrmTest.TxtC \"11\"\nprint FrmTest.TxtC\n");
  EXPECT_EQ(r.out, "FAIL line 3: FrmTest.TxtC = \"11\", expected \"12\"\nFrmTest.TxtC = \"11\"\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.notes.find("3 check(s), 1 failed"), std::string::npos);
}

TEST(ScriptRun, ExpectPropReadsEveryProperty) {
  Outcome r =
      run("expect-prop FrmTest.TxtSecond visible false\n"
          "expect-prop FrmTest.CmdOff enabled 0\n"
          "expect-prop FrmTest.ChkDual caption 双组输入\n"
          "expect-prop FrmTest.OptA checked 1\n"
          "expect-prop FrmTest.CmbWire listindex -1\n"
          "expect-prop FrmTest.TxtA backcolor 255,255,255\n"
          "expect-prop FrmTest.TxtA forecolor 0,0,0\n"
          "expect-prop FrmTest.TxtLocked text fixed\n"
          "expect-prop FrmTest.LblSum text \"\"\n"
          "expect-prop FrmTest.CmdAsk enabled 0\n"
          "expect-prop FrmTest.TxtA forecolor 255,0,0\n");
  EXPECT_EQ(r.out,
            "FAIL line 10: FrmTest.CmdAsk enabled = \"1\", expected \"0\"\n"
            "FAIL line 11: FrmTest.TxtA forecolor = \"0,0,0\", expected \"255,0,0\"\n");
  EXPECT_EQ(r.status, 1);
}

TEST(ScriptRun, ExpectPropRejectsFlagsThatAreNotFlags) {
  EXPECT_EQ(run("expect-prop FrmTest.TxtA visible yes\n").out,
            "ERROR line 1: visible is 1 or 0 (true or false), not \"yes\"\n");
  EXPECT_EQ(run("expect-prop FrmTest text x\n").out,
            "ERROR line 1: a form has only the properties visible and caption\n");
}

TEST(ScriptRun, AScriptErrorStopsTheRunWithStatusTwoEvenAfterAFailure) {
  Outcome r = run("# header\n\nexpect FrmTest.TxtA 1\nclick Nope.Cmd\nprint FrmTest.TxtA\n");
  EXPECT_EQ(r.out,
            "FAIL line 3: FrmTest.TxtA = \"\", expected \"1\"\n"
            "ERROR line 4: unknown form \"Nope\"\n");
  EXPECT_EQ(r.status, 2);
}

// A form's own code asking for a control it lacks is a fault of the
// program: the run reports it as a script error and stops, nothing crashes.
TEST(ScriptRun, AReactionNamingAMissingControlIsAScriptErrorThatEndsTheRun) {
  Outcome r = run("click FrmTest.CmdBroken\nprint FrmTest.TxtResult\n");
  EXPECT_EQ(r.out, "ERROR line 1: FrmTest has no control TxtMisspelt\n");
  EXPECT_EQ(r.status, 2);
}

TEST(ScriptRun, UnknownControlsAndIndicesAreScriptErrors) {
  EXPECT_EQ(run("print FrmTest.Nope\n").out, "ERROR line 1: FrmTest has no control \"Nope\"\n");
  EXPECT_EQ(run("print FrmTest.txtRow\n").out,
            "ERROR line 1: FrmTest.txtRow is a control array: write it with an index, "
            "txtRow(i)\n");
  EXPECT_EQ(run("print FrmTest.TxtA(0)\n").out,
            "ERROR line 1: FrmTest.TxtA is not a control array\n");
  EXPECT_EQ(run("print FrmTest.txtRow(7)\n").out,
            "ERROR line 1: FrmTest.txtRow(7) does not exist (FrmTest.txtRow has no element 7)\n");
  EXPECT_EQ(run("dump Nope\n").status, 2);
}

TEST(ScriptRun, MalformedLinesAreScriptErrorsWithTheirLineNumber) {
  Outcome r = run("print FrmTest.TxtA\r\nset FrmTest.TxtA \"open\nprint FrmTest.TxtA\n");
  EXPECT_EQ(r.out, "FrmTest.TxtA = \"\"\nERROR line 2: unterminated quoted text\n");
  EXPECT_EQ(r.status, 2);
}

TEST(ScriptRun, ArithmeticErrorsStopTheEventAndKeepWhatWasWritten) {
  Outcome r =
      run("set FrmTest.TxtA 0\nclick FrmTest.CmdDivide\nprint FrmTest.TxtResult\n"
          "set FrmTest.TxtA 4\nclick FrmTest.CmdDivide\nprint FrmTest.TxtResult\n"
          "set FrmTest.TxtLoop a\n");
  EXPECT_EQ(r.out, "FrmTest.TxtResult = \"started\"\nFrmTest.TxtResult = \"0.25\"\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, AfterTheProgramEndsActionsDoNothingButChecksStillRun) {
  Outcome r = run(
      "set FrmTest.TxtA 1\nclick FrmTest.mnuQuit\nset FrmTest.TxtA 2\nclick FrmTest.CmdMessage\n"
      "tick FrmTest.TimCount\nprint FrmTest.TxtA\nexpect FrmTest.St(2) \"\"\nmessages\n");
  EXPECT_EQ(r.out, "FrmTest.TxtA = \"1\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.notes.find("line 2 ended the program"), std::string::npos);
  EXPECT_NE(r.notes.find("line 3: the program has ended; nothing happens"), std::string::npos);
}

TEST(ScriptRun, AFormWhoseLoadEndsTheProgramIsNotShown) {
  Outcome r =
      run("another-instance yes\nshow FrmTest\nexpect-message 已经在运行\n"
          "expect-prop FrmTest visible 0\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 0);
}

TEST(ScriptRun, UnusedAnswersAreNotedNotFailed) {
  Outcome r = run("answer yes\nfile cancel\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.notes.find("2 queued answer(s) were never asked for"), std::string::npos);
}

}  // namespace
}  // namespace corvane
