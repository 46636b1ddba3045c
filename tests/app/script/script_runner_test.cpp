#include "app/script/script_runner.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
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

// A script run judged by all it printed, its exit status where one is given
// and the diagnostics it must have noted: the commands one at a time, each
// against the test form.
constexpr std::optional<int> kAnyStatus = std::nullopt;
struct Transcript {
  const char* name;
  const char* script;
  const char* out;
  std::optional<int> status;
  std::array<const char*, 3> notes = {};
};

constexpr Transcript kTranscripts[] = {
    // driving
    {"SetCascadesThroughChangeReactions",
     "set FrmTest.TxtA 5\nprint FrmTest.TxtB\nprint FrmTest.TxtC\n",
     "FrmTest.TxtB = \"10\"\nFrmTest.TxtC = \"11\"\n", 0},
    {"ArrayElementsFeedALabelCaption",
     "set FrmTest.txtRow(0) 1\nset FrmTest.txtRow(2) 2.5\nprint FrmTest.LblSum\n",
     "FrmTest.LblSum = \"3.5\"\n", kAnyStatus},
    {"FormLoadRunsOnFirstUse", "print FrmTest.TxtLoaded\n", "FrmTest.TxtLoaded = \"yes\"\n",
     kAnyStatus},
    // gaining focus selects the whole text, so the first key replaces it
    {"TypeRunsEachKeyPressBeforeItsChange",
     "set FrmTest.TxtTyped zz\n"
     "type FrmTest.TxtTyped ab\n"
     "print FrmTest.TxtTyped\n"
     "print FrmTest.TxtLog\n",
     "FrmTest.TxtTyped = \"ab\"\nFrmTest.TxtLog = \"cpacpbc\"\n", kAnyStatus},
    {"EnterAndKeyReachTheirReactions",
     "enter FrmTest.TxtA\nprint FrmTest.TxtFocus\n"
     "key FrmTest.TxtKey 27\nprint FrmTest.TxtKey\n"
     "focus FrmTest.TxtB\n",
     "FrmTest.TxtFocus = \"B\"\nFrmTest.TxtKey = \"27\"\n", 0},
    {"ChooseTakesItemTextOrIndex",
     "choose FrmTest.CmbKind 全桥电容\nprint FrmTest.TxtResult\n"
     "choose FrmTest.CmbKind #1\nprint FrmTest.CmbKind\n"
     "expect-prop FrmTest.CmbKind listindex 1\n",
     "FrmTest.TxtResult = \"kind 2\"\nFrmTest.CmbKind = \"半波电容\"\n", 0},
    {"ChooseOfAnUnknownItemIsAScriptError", "choose FrmTest.CmbKind 三相\n",
     "ERROR line 1: FrmTest.CmbKind has no item \"三相\"\n", kAnyStatus},
    {"ChooseOfAnItemPastTheLastIsAScriptError", "choose FrmTest.CmbKind #3\n",
     "ERROR line 1: FrmTest.CmbKind has no item #3 (it has 3)\n", 2},
    {"ChooseInATextBoxIsAScriptError", "choose FrmTest.TxtA x\n",
     "ERROR line 1: cannot choose in FrmTest.TxtA: it is a text box\n", kAnyStatus},
    {"SetOnAListOnlyComboSelectsTheItem",
     "set FrmTest.CmbKind 半波电容\nprint FrmTest.TxtResult\n"
     "set FrmTest.CmbWire TRIPLE\nprint FrmTest.CmbWire\n"
     "set FrmTest.CmbKind 三相\nprint FrmTest.CmbKind\n",
     "FrmTest.TxtResult = \"kind 1\"\nFrmTest.CmbWire = \"TRIPLE\"\n"
     "ERROR line 5: FrmTest.CmbKind has no item \"三相\"\n",
     2},
    // controls nobody types into
    {"SetRefusesACheckBox", "set FrmTest.ChkDual 1\n",
     "ERROR line 1: cannot set FrmTest.ChkDual: it is a check box (use click or choose)\n",
     kAnyStatus},
    {"TypeRefusesALabel", "type FrmTest.LblSum 1\n",
     "ERROR line 1: cannot type into FrmTest.LblSum: it is a label\n", kAnyStatus},
    {"ClicksToggleCheckBoxesAndSelectOptions",
     "click FrmTest.ChkDual\nprint FrmTest.ChkDual\n"
     "expect-prop FrmTest.TxtSecond visible 1\n"
     "expect-prop FrmTest.TxtSecond backcolor 255, 0, 0\n"
     "click FrmTest.OptB\nprint FrmTest.OptA\nprint FrmTest.OptB\n"
     "dblclick FrmTest.TxtResult\nprint FrmTest.TxtResult\n",
     "FrmTest.ChkDual = \"1\"\nFrmTest.OptA = \"0\"\nFrmTest.OptB = \"1\"\n"
     "FrmTest.TxtResult = \"double\"\n",
     0},
    {"CaptionsAddressButtonsAndArrayElements",
     "click FrmTest.\"第二\"\nprint FrmTest.TxtResult\nclick FrmTest.\"无此按钮\"\n",
     "FrmTest.TxtResult = \"row 1\"\n"
     "ERROR line 3: FrmTest has no control captioned \"无此按钮\"\n",
     kAnyStatus},
    {"ShowMakesAFormVisibleWithoutCreatingItTwice",
     "expect-prop FrmTest visible 0\nset FrmTest.TxtA 1\nshow FrmTest\n"
     "expect-prop FrmTest visible true\nexpect-prop FrmTest caption 测试窗体\n"
     "print FrmTest.TxtA\n",
     "FrmTest.TxtA = \"1\"\n", 0},
    {"UserActionsOnDisabledOrLockedControlsDoNothing",
     "click FrmTest.CmdOff\nclick FrmTest.CmdInFrame\nset FrmTest.TxtLocked changed\n"
     "print FrmTest.TxtResult\nprint FrmTest.TxtLocked\n",
     "FrmTest.TxtResult = \"\"\nFrmTest.TxtLocked = \"fixed\"\n",
     0,
     {"line 1: FrmTest.CmdOff is disabled; nothing happens",
      "line 2: FrmTest.CmdInFrame sits in the disabled frame FraBox",
      "line 3: FrmTest.TxtLocked is locked"}},
    // timers and clock
    {"TickRunsTheTimerNTimesAndPanelsCountFromOne",
     "tick FrmTest.TimCount 125\nprint FrmTest.St(2)\nprint FrmTest.St(1)\n"
     "tick FrmTest.TimCount\nexpect FrmTest.St(2) 126\n",
     "FrmTest.St(2) = \"125\"\nFrmTest.St(1) = \"欢迎\"\n", 0},
    {"DisabledTimersDoNotFire",
     "tick FrmTest.TimOff 3\ntick FrmTest.TimOnce 5\nprint FrmTest.TxtResult\n"
     "tick FrmTest.CmdOff\n",
     "FrmTest.TxtResult = \"t\"\n"
     "ERROR line 4: cannot tick FrmTest.CmdOff: it is a button\n",
     kAnyStatus},
    // the print creates the form afresh: no tick reached it
    {"TimersOfAClosedFormDoNotFire",
     "tick FrmTest.TimCount 2\nclick FrmTest.CmdClose\ntick FrmTest.TimCount\n"
     "print FrmTest.St(2)\n",
     "FrmTest.St(2) = \"\"\n",
     kAnyStatus,
     {"FrmTest is closed; its timers do not fire"}},
    {"TodayAndNowSetTheClockTheFormsRead",
     "today 2024-02-29\nnow 08:05:00\nclick FrmTest.CmdClock\nprint FrmTest.TxtResult\n",
     "FrmTest.TxtResult = \"2024/2/29 08:05:00\"\n", kAnyStatus},
    // output
    {"PrintEscapesQuotesBackslashesAndLineBreaks",
     "set FrmTest.TxtTyped \"say \\\"hi\\\" \\\\ \\n\"\nprint FrmTest.TxtTyped\n",
     "FrmTest.TxtTyped = \"say \\\"hi\\\" \\\\ \\n\"\n", kAnyStatus},
    {"PrintEchoesTheAddressAsWritten", "print FrmTest.\"提示\"\n", "FrmTest.\"提示\" = \"提示\"\n",
     kAnyStatus},
    {"EvalPrintsFormulaResults",
     "eval F1 220 50 1.5 10\neval F1 220 0 1.5 10\neval F5 30 0.5 \"2uew\" 1\n"
     "eval F21 -1 1 1 1 1\n",
     "661\n(empty)\n57\n(error)\n", 0},
    // dialogs
    {"MessagesListsEveryMessageBoxWithItsIcon",
     "click FrmTest.CmdMessage\nclick FrmTest.CmdWarn\nclick FrmTest.CmdAsk\nmessages\n",
     "[information] 计算完成\n[warning] 输入有误\\n请重试\n", kAnyStatus},
    {"QuestionsTakeQueuedAnswersInOrderThenNo",
     "answer yes\ninput 42\nanswer no\n"
     "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
     "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
     "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
     "answer yes\nclick FrmTest.CmdAsk\nprint FrmTest.TxtResult\n"
     "click FrmTest.CmdAsk\nprint FrmTest.TxtResult\n",
     "FrmTest.TxtResult = \"yes\"\nFrmTest.TxtResult = \"no\"\n"
     "FrmTest.TxtResult = \"42\"\nFrmTest.TxtResult = \"yes\"\n"
     "FrmTest.TxtResult = \"no\"\n",
     kAnyStatus},
    {"InputBoxesTakeTextCancelOrTheQuotedWordCancel",
     "input cancel\ninput \"cancel\"\ninput\n"
     "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
     "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
     "set FrmTest.TxtResult x\nclick FrmTest.CmdInput\nprint FrmTest.TxtResult\n"
     "click FrmTest.CmdInput\nprint FrmTest.TxtResult\n",
     "FrmTest.TxtResult = \"(cancel)\"\nFrmTest.TxtResult = \"cancel\"\n"
     "FrmTest.TxtResult = \"\"\nFrmTest.TxtResult = \"(cancel)\"\n",
     kAnyStatus},
    {"PrinterDialogsWithoutAnswerOrWithCancelPrintNothing",
     "printer cancel\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n"
     "set FrmTest.TxtResult x\nclick FrmTest.CmdPrint\nprint FrmTest.TxtResult\n",
     "FrmTest.TxtResult = \"(cancel)\"\nFrmTest.TxtResult = \"(cancel)\"\n", kAnyStatus},
    {"PrinterPdfNeedsTheDesktopProgram", "printer pdf /tmp/x.pdf\nprint FrmTest.TxtA\n",
     "ERROR line 1: printer pdf needs the desktop program: run corvane --script FILE\n", 2},
    // checks and exit status
    {"FailedChecksReportAndTheRunGoesOn",
     "set FrmTest.TxtA 5\nexpect FrmTest.TxtB 10\nexpect FrmTest.TxtC 12\n"
     "expect FrmTest.TxtC \"11\"\nprint FrmTest.TxtC\n",
     "FAIL line 3: FrmTest.TxtC = \"11\", expected \"12\"\nFrmTest.TxtC = \"11\"\n",
     1,
     {"3 check(s), 1 failed"}},
    {"ExpectPropReadsEveryProperty",
     "expect-prop FrmTest.TxtSecond visible false\n"
     "expect-prop FrmTest.CmdOff enabled 0\n"
     "expect-prop FrmTest.ChkDual caption 双组输入\n"
     "expect-prop FrmTest.OptA checked 1\n"
     "expect-prop FrmTest.CmbWire listindex -1\n"
     "expect-prop FrmTest.TxtA backcolor 255,255,255\n"
     "expect-prop FrmTest.TxtA forecolor 0,0,0\n"
     "expect-prop FrmTest.TxtLocked text fixed\n"
     "expect-prop FrmTest.LblSum text \"\"\n"
     "expect-prop FrmTest.CmdAsk enabled 0\n"
     "expect-prop FrmTest.TxtA forecolor 255,0,0\n",
     "FAIL line 10: FrmTest.CmdAsk enabled = \"1\", expected \"0\"\n"
     "FAIL line 11: FrmTest.TxtA forecolor = \"0,0,0\", expected \"255,0,0\"\n",
     1},
    {"ExpectPropRejectsAFlagThatIsNotAFlag", "expect-prop FrmTest.TxtA visible yes\n",
     "ERROR line 1: visible is 1 or 0 (true or false), not \"yes\"\n", kAnyStatus},
    {"ExpectPropOfAFormKnowsOnlyVisibleAndCaption", "expect-prop FrmTest text x\n",
     "ERROR line 1: a form has only the properties visible and caption\n", kAnyStatus},
    {"AScriptErrorStopsTheRunWithStatusTwoEvenAfterAFailure",
     "# header\n\nexpect FrmTest.TxtA 1\nclick Nope.Cmd\nprint FrmTest.TxtA\n",
     "FAIL line 3: FrmTest.TxtA = \"\", expected \"1\"\n"
     "ERROR line 4: unknown form \"Nope\"\n",
     2},
    // A form's own code asking for a control it lacks is a fault of the
    // program: the run reports it as a script error and stops, nothing crashes.
    {"AReactionNamingAMissingControlIsAScriptErrorThatEndsTheRun",
     "click FrmTest.CmdBroken\nprint FrmTest.TxtResult\n",
     "ERROR line 1: FrmTest has no control TxtMisspelt\n", 2},
    // unknown controls and indices
    {"UnknownControlIsAScriptError", "print FrmTest.Nope\n",
     "ERROR line 1: FrmTest has no control \"Nope\"\n", kAnyStatus},
    {"ControlArrayWithoutAnIndexIsAScriptError", "print FrmTest.txtRow\n",
     "ERROR line 1: FrmTest.txtRow is a control array: write it with an index, "
     "txtRow(i)\n",
     kAnyStatus},
    {"IndexOnAPlainControlIsAScriptError", "print FrmTest.TxtA(0)\n",
     "ERROR line 1: FrmTest.TxtA is not a control array\n", kAnyStatus},
    {"IndexPastTheArrayIsAScriptError", "print FrmTest.txtRow(7)\n",
     "ERROR line 1: FrmTest.txtRow(7) does not exist (FrmTest.txtRow has no element 7)\n",
     kAnyStatus},
    {"MalformedLinesAreScriptErrorsWithTheirLineNumber",
     "print FrmTest.TxtA\r\nset FrmTest.TxtA \"open\nprint FrmTest.TxtA\n",
     "FrmTest.TxtA = \"\"\nERROR line 2: unterminated quoted text\n", 2},
    {"ArithmeticErrorsStopTheEventAndKeepWhatWasWritten",
     "set FrmTest.TxtA 0\nclick FrmTest.CmdDivide\nprint FrmTest.TxtResult\n"
     "set FrmTest.TxtA 4\nclick FrmTest.CmdDivide\nprint FrmTest.TxtResult\n"
     "set FrmTest.TxtLoop a\n",
     "FrmTest.TxtResult = \"started\"\nFrmTest.TxtResult = \"0.25\"\n", 0},
    {"AfterTheProgramEndsActionsDoNothingButChecksStillRun",
     "set FrmTest.TxtA 1\nclick FrmTest.mnuQuit\nset FrmTest.TxtA 2\nclick FrmTest.CmdMessage\n"
     "tick FrmTest.TimCount\nprint FrmTest.TxtA\nexpect FrmTest.St(2) \"\"\nmessages\n",
     "FrmTest.TxtA = \"1\"\n",
     0,
     {"line 2 ended the program", "line 3: the program has ended; nothing happens"}},
    {"AFormWhoseLoadEndsTheProgramIsNotShown",
     "another-instance yes\nshow FrmTest\nexpect-message 已经在运行\n"
     "expect-prop FrmTest visible 0\n",
     "", 0},
};

class ScriptTranscript : public ::testing::TestWithParam<Transcript> {};

TEST_P(ScriptTranscript, PrintsWhatTheCommandsGive) {
  const Transcript& c = GetParam();
  Outcome r = run(c.script);
  EXPECT_EQ(r.out, c.out);
  if (c.status) {
    EXPECT_EQ(r.status, *c.status);
  }
  for (const char* note : c.notes)
    if (note) {
      EXPECT_NE(r.notes.find(note), std::string::npos) << r.notes;
    }
}

INSTANTIATE_TEST_SUITE_P(ScriptRun, ScriptTranscript, ::testing::ValuesIn(kTranscripts),
                         [](const ::testing::TestParamInfo<Transcript>& info) {
                           return std::string(info.param.name);
                         });

// ---------------------------------------------------------------- output

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

// Choosing a catalogue is a step of the design: undo goes back to the shipped
// catalogue (or to none, before any look-up) and redo to the chosen file, as
// the status line and the saved design say.
TEST_F(ScratchDir, ACatalogueChosenIsOneStepThatUndoTakesBack) {
  const std::string own = path("own.sqlite");
  std::filesystem::copy_file(defaultBobbinCataloguePath(), own);
  for (const char* before : {"", "click Frmbobbin.OPTG\n"}) {
    const std::string undone = path("undone.cvd"), redone = path("redone.cvd");
    Outcome r =
        run(std::string("show Frmbobbin\n") + before + "print Frmbobbin.LblStatus\n" +
            "catalogue " + own + "\nprint MDIForm1.UNDO\nundo\n" +
            "print Frmbobbin.LblStatus\nfile " + undone + "\nclick MDIForm1.SAVEAS\n" +
            "redo\nprint Frmbobbin.LblStatus\nfile " + redone + "\nclick MDIForm1.SAVEAS\n");
    ASSERT_EQ(r.status, 0) << r.out;
    std::istringstream lines(r.out);
    std::string first, menu, afterUndo, afterRedo;
    std::getline(lines, first);
    std::getline(lines, menu);
    std::getline(lines, afterUndo);
    std::getline(lines, afterRedo);
    EXPECT_EQ(menu, "MDIForm1.UNDO = \"撤销 选择 骨架商\"") << before;
    EXPECT_EQ(afterUndo, first) << before;
    EXPECT_EQ(afterRedo, "Frmbobbin.LblStatus = \"骨架目录：" + own + "\"") << before;
    EXPECT_EQ(testing::fileContents(undone).find(own), std::string::npos) << before;
    EXPECT_NE(testing::fileContents(redone).find(own), std::string::npos) << before;
    std::filesystem::remove(undone);
    std::filesystem::remove(redone);
  }
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

TEST(ScriptRun, DumpOfAnUnknownFormIsAScriptError) {
  EXPECT_EQ(run("dump Nope\n").status, 2);
}

TEST(ScriptRun, UnusedAnswersAreNotedNotFailed) {
  Outcome r = run("answer yes\nfile cancel\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.notes.find("2 queued answer(s) were never asked for"), std::string::npos);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// English for the test form's message, as the desktop's translations give it.
class TestFormEnglish : public Translator {
 public:
  std::string translate(std::string_view, const std::string& source) const override {
    return source == "计算完成" ? "Done" : source;
  }
};

TEST(ScriptLanguage, EnglishChangesTheMessagesOnlyAndNeedsAProgramThatHasIt) {
  TestFormEnglish english;
  ScriptEnvironment speaking;
  std::vector<Language> asked;
  speaking.speak = [&](Language language) -> const Translator* {
    asked.push_back(language);
    return &english;
  };
  const std::string script = "click FrmTest.CmdMessage\nmessages\ndump FrmTest\n";
  Outcome chinese = run(script, speaking);
  Outcome inEnglish = run("language en\n" + script, speaking);
  EXPECT_NE(inEnglish.out.find("[information] Done"), std::string::npos) << inEnglish.out;
  // everything but the message box reads as in Chinese, values included
  EXPECT_EQ(inEnglish.out.substr(inEnglish.out.find("FrmTest.")),
            chinese.out.substr(chinese.out.find("FrmTest.")));
  Outcome back = run("language en\nlanguage zh\n" + script, speaking);
  EXPECT_EQ(back.out, chinese.out);
  EXPECT_EQ(asked,
            (std::vector<Language>{Language::English, Language::English, Language::Chinese}));

  // the headless driver has no English, and says so rather than go on in Chinese
  Outcome headless = run("language en\nclick FrmTest.CmdMessage\n");
  EXPECT_EQ(headless.status, 2);
  EXPECT_NE(headless.out.find("ERROR line 1: no English texts"), std::string::npos) << headless.out;
  EXPECT_EQ(run("language zh\n").status, 0);
  EXPECT_EQ(run("language fr\n").out, "ERROR line 1: language needs en or zh\n");
}

}  // namespace
}  // namespace corvane
