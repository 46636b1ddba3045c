#include "app/script/script_parser.h"

#include <gtest/gtest.h>

namespace corvane::script {
namespace {

Command parse(std::string_view line) {
  std::optional<Command> command = parseLine(line);
  EXPECT_TRUE(command.has_value()) << line;
  return command.value_or(Command{});
}

std::string errorOf(std::string_view line) {
  try {
    parseLine(line);
  } catch (const ScriptError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(ScriptParser, SkipsBlankAndCommentLines) {
  EXPECT_FALSE(parseLine(""));
  EXPECT_FALSE(parseLine("   \t "));
  EXPECT_FALSE(parseLine("# a comment"));
  EXPECT_FALSE(parseLine("   # an indented comment"));
}

TEST(ScriptParser, ReadsAddressesWithAndWithoutIndex) {
  Command single = parse("click Frmeledata.TXTUIN1");
  EXPECT_EQ(single.verb, Verb::Click);
  EXPECT_EQ(single.address.form, "Frmeledata");
  EXPECT_EQ(single.address.name, "TXTUIN1");
  EXPECT_EQ(single.address.index, -1);
  EXPECT_FALSE(single.address.byCaption);

  Command element = parse("print MDIForm1.St1(5)");
  EXPECT_EQ(element.address.name, "St1");
  EXPECT_EQ(element.address.index, 5);
  EXPECT_EQ(element.address.written, "MDIForm1.St1(5)");
}

TEST(ScriptParser, ReadsAddressesByCaptionWithBlanksAndEscapes) {
  Command command = parse("click Frmeledata.\"打印 \\\"参数\\\" 表\"");
  EXPECT_TRUE(command.address.byCaption);
  EXPECT_EQ(command.address.name, "打印 \"参数\" 表");
  EXPECT_EQ(command.address.written, "Frmeledata.\"打印 \\\"参数\\\" 表\"");
}

TEST(ScriptParser, TakesTheValueAsItStandsAfterOneBlank) {
  EXPECT_EQ(parse("set F.A 12 V").value.text, "12 V");
  EXPECT_EQ(parse("set F.A  leading").value.text, " leading");
  EXPECT_EQ(parse("set F.A trailing  ").value.text, "trailing  ");
  EXPECT_EQ(parse("set F.A").value.text, "");
  EXPECT_EQ(parse("set F.A a\"b").value.text, "a\"b");
  EXPECT_FALSE(parse("set F.A x").value.quoted);
}

TEST(ScriptParser, ResolvesEscapesInQuotedValues) {
  Command command = parse("set F.A \" two\\nlines \\\\ \\\"q\\\" \"");
  EXPECT_TRUE(command.value.quoted);
  EXPECT_EQ(command.value.text, " two\nlines \\ \"q\" ");
  EXPECT_EQ(parse("set F.A \"\"").value.text, "");
  EXPECT_EQ(parse("input \"cancel\"").value.text, "cancel");
  EXPECT_TRUE(parse("input \"cancel\"").value.quoted);
}

TEST(ScriptParser, ReadsTheOtherCommandShapes) {
  EXPECT_EQ(parse("key F.A 27").number, 27);
  EXPECT_EQ(parse("tick F.T").number, 1);
  EXPECT_EQ(parse("tick F.T 125").number, 125);
  EXPECT_EQ(parse("answer yes").number, 1);
  EXPECT_EQ(parse("answer no").number, 0);
  EXPECT_EQ(parse("answer cancel").number, 2);
  Command printer = parse("printer record /tmp/page.txt");
  EXPECT_EQ(printer.word, "record");
  EXPECT_EQ(printer.value.text, "/tmp/page.txt");
  EXPECT_EQ(parse("printer cancel").word, "cancel");
  Command date = parse("today 2024-02-29");
  EXPECT_EQ(date.date.year, 2024);
  EXPECT_EQ(date.date.month, 2);
  EXPECT_EQ(date.date.day, 29);
  Command time = parse("now 23:05:09");
  EXPECT_EQ(time.time.hour, 23);
  EXPECT_EQ(time.time.minute, 5);
  EXPECT_EQ(time.time.second, 9);
  Command eval = parse("eval F5 30 0.5 \"2 UEW\" 1");
  EXPECT_EQ(eval.word, "F5");
  EXPECT_EQ(eval.args, (std::vector<std::string>{"30", "0.5", "2 UEW", "1"}));
  Command prop = parse("expect-prop F.A backcolor 255, 0, 0");
  EXPECT_EQ(prop.word, "backcolor");
  EXPECT_EQ(prop.value.text, "255, 0, 0");
  EXPECT_TRUE(parse("expect-prop Frmcore visible 1").address.formOnly);
  EXPECT_TRUE(parse("show Frmcore").address.formOnly);
  Command catalogue = parse("catalogue /home/designer/my bobbins.sqlite");
  EXPECT_EQ(catalogue.verb, Verb::Catalogue);
  EXPECT_EQ(catalogue.value.text, "/home/designer/my bobbins.sqlite");
  EXPECT_EQ(parse("undo").number, 1);
  EXPECT_EQ(parse("redo 12").number, 12);
  EXPECT_EQ(parse("undo 0").verb, Verb::Undo);
}

// Every verb up to the last one declared has a place in the verb table; a
// user's step always acts on the forms, so that a line after the program ended
// never records one.
TEST(ScriptParser, EveryVerbSaysWhatItDoesToTheForms) {
  for (int v = 0; v <= static_cast<int>(Verb::Redo); ++v) {
    auto verb = static_cast<Verb>(v);
    if (isUserStep(verb)) {
      EXPECT_TRUE(actsOnForms(verb)) << v;
    }
  }
  EXPECT_TRUE(isUserStep(Verb::Choose));
  EXPECT_TRUE(actsOnForms(Verb::Show));
  EXPECT_FALSE(isUserStep(Verb::Show));
  EXPECT_FALSE(actsOnForms(Verb::Expect));
}

struct MalformedLine {
  const char* line;
  const char* error;
};

class ScriptParserErrors : public ::testing::TestWithParam<MalformedLine> {};

TEST_P(ScriptParserErrors, ReportsWhatIsWrong) {
  EXPECT_EQ(errorOf(GetParam().line), GetParam().error) << GetParam().line;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, ScriptParserErrors, ::testing::Values(
    MalformedLine{"frobnicate F.A", "unknown command \"frobnicate\""},
    MalformedLine{"Set F.A 1", "unknown command \"Set\""},
    MalformedLine{"set F.A \"open", "unterminated quoted text"},
    MalformedLine{"set F.A \"bad \\t\"", "unknown escape \\t in quoted text"},
    MalformedLine{"set F.A \"ends\\", "unterminated quoted text"},
    MalformedLine{"set F.A \"x\" y", "unexpected text after the closing quote"},
    MalformedLine{"click", "expected an address FORM.NAME"},
    MalformedLine{"click Frmcore", "expected FORM.NAME, got \"Frmcore\""},
    MalformedLine{"click F.", "expected a control name after \"F.\""},
    MalformedLine{"click F.A(", "missing ) in \"F.A(\""},
    MalformedLine{"click F.A(x)", "expected a whole number for the index, got \"x\""},
    MalformedLine{"click F.A(-1)", "negative index in \"F.A(-1)\""},
    MalformedLine{"click F.A(1)x", "malformed address \"F.A(1)x\""},
    MalformedLine{"click F.\"cap\"(1)", "an address by caption takes no index"},
    MalformedLine{"click F.A extra", "unexpected text at the end of the line"},
    MalformedLine{"key F.A", "expected a whole number for the key code, got \"\""},
    MalformedLine{"key F.A 1.5", "expected a whole number for the key code, got \"1.5\""},
    MalformedLine{"tick F.T 1000001", "tick count must lie between 0 and 1000000"},
    MalformedLine{"tick F.T -1", "tick count must lie between 0 and 1000000"},
    MalformedLine{"show F.A", "expected a form name, got an address"},
    MalformedLine{"undo -1", "the number of steps must lie between 0 and 1000000"},
    MalformedLine{"redo 2x", "expected a whole number for the number of steps, got \"2x\""},
    MalformedLine{"undo 1 2", "unexpected text at the end of the line"},
    MalformedLine{"answer maybe", "expected yes, no or cancel, got \"maybe\""},
    MalformedLine{"another-instance cancel", "expected yes or no, got \"cancel\""},
    MalformedLine{"printer laser x", "expected printer pdf PATH, printer record PATH or printer cancel"},
    MalformedLine{"printer record", "printer record needs a path"},
    MalformedLine{"today 2023-02-29", "no such date \"2023-02-29\""},
    MalformedLine{"today 2023-13-01", "no such date \"2023-13-01\""},
    MalformedLine{"today 2023-1-01", "expected YYYY-MM-DD, got \"2023-1-01\""},
    MalformedLine{"now 24:00:00", "no such time \"24:00:00\""},
    MalformedLine{"now 9:00:00", "expected HH:MM:SS, got \"9:00:00\""},
    MalformedLine{"now 09-00-00", "expected HH:MM:SS, got \"09-00-00\""},
    MalformedLine{"messages now", "unexpected text at the end of the line"},
    MalformedLine{"eval", "eval needs a formula ID"},
    MalformedLine{"eval F5 \"2UEW\"x", "expected a blank after the closing quote"},
    MalformedLine{"expect-prop F.A", "expected a property after the address"},
    MalformedLine{"expect-prop F.A colour 1", "unknown property \"colour\" (visible, enabled, caption, checked, listindex, backcolor, forecolor, text, tooltip)"}));
// clang-format on

TEST(ScriptParser, EscapesTextForPrinting) {
  EXPECT_EQ(escapeText("a\"b\\c\nd\re"), "a\\\"b\\\\c\\nd\\re");
  EXPECT_EQ(escapeText("宋体"), "宋体");
}

}  // namespace
}  // namespace corvane::script
