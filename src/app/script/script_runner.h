// Runs a corvane script: one command a line, driving the forms exactly as a
// user would. Shared by corvane-script (headless) and `corvane --script`.
//
// Grammar (one command a line; blank lines and lines whose first non-blank
// character is `#` are skipped):
//   ADDR   FORM.NAME, FORM.NAME(i) (array element i; status panels count
//          from 1) or FORM."caption" (the first control, array elements
//          included, whose caption is that text, in design order)
//   VALUE  the rest of the line after one blank, as it stands, or a quoted
//          text with the escapes \" \\ \n
//   set ADDR VALUE         the user replaces the text (a list-only combo
//                          selects the item of that text)
//   type ADDR VALUE        key presses one character at a time
//   enter ADDR | key ADDR CODE | click ADDR | dblclick ADDR | focus ADDR
//   choose ADDR ITEM       a list item by text, or #n by 0-based index
//   show FORM
//   answer yes|no|cancel   the next question (cancel: the third button of a
//                          Yes/No/Cancel question; No for a Yes/No one)
//   input TEXT|cancel      the next input box
//   file PATH|cancel       the next open or save chooser
//   printer pdf PATH|printer record PATH|printer cancel   the next printer dialog
//   today YYYY-MM-DD | now HH:MM:SS    the clock the forms read
//   tick FORM.TIMER [N]    N timer ticks (default 1); a disabled timer, or
//                          one of a form that was closed, does not fire
//   print ADDR             prints ADDR = "text"
//   dump FORM              prints every control that way, FORM.NAME(i) = "text"
//   list FORM              the control names, an array once with its
//                          indices: txtudc(0,1,2)
//   messages               every message box so far: [information] text
//   eval ID ARG...         a design formula's result, (empty) or (error)
//   expect ADDR VALUE
//   expect-prop ADDR PROP VALUE   PROP: visible enabled caption checked
//                          listindex backcolor forecolor text; also
//                          expect-prop FORM visible|caption VALUE
//   expect-message TEXT    the oldest message box not yet checked
//   another-instance yes|no   whether another copy of the program runs
//   catalogue PATH         the bobbin form reads that bobbin catalogue file
//                          (SQLite, or Access .mdb), as if chosen in its
//                          supplier list
//   settings PATH          the user's settings (the recent designs) live in
//                          that file, one path a line, from now on
//   language en|zh         message boxes (as `messages` lists them) and
//                          printed reports in English or Chinese from now
//                          on; the forms' values and files stay as they are
//                          (English only in `corvane --script`)
// Answers are used in order, one queue per kind of dialog; a dialog with no
// answer queued gets No (question, Yes/No or Yes/No/Cancel) or cancel (input
// box, file chooser, printer). A user action on a disabled control (or one in a disabled frame)
// does nothing, as it would for a user; so does typing into a locked field.
// A failed check prints `FAIL line N: ...` and the run goes on; a script
// error prints `ERROR line N: ...` and ends the run. After a command that
// ends the program, commands acting on the forms (set, type, enter, key,
// click, dblclick, choose, focus, show, tick, catalogue) do nothing; answers, checks and
// prints still run, on the state the program ended in.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "model/translator.h"

namespace corvane {

class CatalogueShelf;
class PrintSurface;
class Translator;
class Workspace;

struct ScriptEnvironment {
  // Switches the program's texts to a language; returns the translator the
  // messages and reports then go through (nullptr when the language cannot
  // be had). Empty in the headless driver, which speaks only Chinese.
  std::function<const Translator*(Language)> speak;
  // Makes a print surface that writes a PDF to the path; empty in the
  // headless driver, where `printer pdf` is an error that says so.
  std::function<std::unique_ptr<PrintSurface>(const std::string& path)> pdfPrinter;
  // The bobbin catalogues the scripts of one run share, read once while
  // their files stay as they were; null: each script opens its own.
  std::shared_ptr<CatalogueShelf> catalogues;
  // Registers forms besides the program's own (tests and the fuzzer add a
  // form of their own); empty in the programs.
  std::function<void(Workspace&)> extraForms;
  // When false, `file` and `printer` answers are checked but act as cancel,
  // so the run neither reads nor writes any file the script names.
  bool fileAnswers = true;
  // Notes about the run (dialogs and the answers they got, actions a user
  // could not have done, a closing summary); nullptr for none.
  std::ostream* diagnostics = nullptr;
};

// Runs the whole script; returns the exit status: 0 when every check held,
// 1 when a check failed, 2 for a script error.
int runScript(std::istream& script, std::ostream& out, const ScriptEnvironment& environment = {});

}  // namespace corvane
