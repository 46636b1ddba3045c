// Random user events across every form of a design in progress, with hostile
// texts, and the invariants that must hold after each of them: nothing
// escapes as an error, no field the program fills shows "nan" or "inf", the
// row arrays of a form agree with each other and with its row count, and
// every file saved reopens to the state it holds. Undo and redo are among
// the events: undoing to any step of the history gives back the design as it
// stood after that step, and redoing gives back the design after the steps
// redone, every form, row, member and shared value of it.
//
// The CTest run is short and fixed; a long run takes its size and seed from
// the environment: CORVANE_RANDOM_EVENTS=1000000 CORVANE_RANDOM_SEED=7, and
// CORVANE_RANDOM_PROGRESS=10000 says on stderr every so many events how far
// it got (a sanitizer run takes hours).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/form_catalog.h"
#include "app/script/script_driver.h"
#include "app/script/scripted_host.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "bom/bom_items.h"
#include "electrical/design_file.h"
#include "electrical/frmeledata.h"
#include "model/design_history.h"
#include "model/design_session.h"
#include "model/file_access.h"
#include "model/project_file.h"
#include "model/project_state.h"
#include "model/workspace.h"
#include "search/frmsearch.h"
#include "search/search_fields.h"
#include "support/same_controls.h"
#include "support/test_files.h"
#include "support/typical_design.h"
#include "winding/winding_columns.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

long environmentNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  return std::strtol(text, nullptr, 10);
}

// Texts a careless or hostile user types: empty, signs, overflow, words the
// number reader must not take for numbers, full-width digits, a long run, a
// quote and a line break; and ordinary values, so the design gets somewhere.
const std::vector<std::string>& fieldTexts() {
  static const std::vector<std::string> texts = {"",
                                                 "-1",
                                                 "1e308",
                                                 "nan",
                                                 "inf",
                                                 "-0",
                                                 "1e-320",
                                                 "１２",
                                                 "２２０．５",
                                                 std::string(300, '9'),
                                                 std::string(300, 'x'),
                                                 "\"",
                                                 "a\"b",
                                                 "12\n34",
                                                 "\n",
                                                 " 3 ",
                                                 "12abc",
                                                 "中文",
                                                 "0",
                                                 "0.5",
                                                 "1",
                                                 "2",
                                                 "5",
                                                 "12",
                                                 "24",
                                                 "50",
                                                 "100",
                                                 "220",
                                                 "380",
                                                 "1000",
                                                 "0.001",
                                                 "99999"};
  return texts;
}

// The value of a script line: always quoted, so any text survives.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// "nan" or "inf" as a word of its own (so "information" does not count).
bool showsNonNumber(const std::string& text) {
  const std::string low = lowered(text);
  for (const char* word : {"nan", "inf"}) {
    for (size_t at = low.find(word); at != std::string::npos; at = low.find(word, at + 1)) {
      const bool letterBefore = at > 0 && std::isalpha(static_cast<unsigned char>(low[at - 1]));
      const size_t end = at + 3;
      const bool letterAfter = end < low.size() &&
                               std::isalpha(static_cast<unsigned char>(low[end])) &&
                               low.compare(at, 8, "infinity") != 0;
      if (!letterBefore && !letterAfter) return true;
    }
  }
  return false;
}

// One run of the program: the scripted host, every form, and the driver the
// events go through, exactly as `corvane-script` has them.
struct ProgramRun {
  ProgramRun() {
    registerAllForms(workspace);
    environment.diagnostics = nullptr;
  }
  ScriptedHost host;
  Workspace workspace{host};
  ScriptEnvironment environment;
  std::ostringstream out;
  ScriptDriver driver{workspace, host, out, environment};
};

class RandomEvents {
 public:
  RandomEvents(unsigned seed, fs::path folder) : random_(seed), folder_(std::move(folder)) {
    const std::string shipped = defaultBobbinCataloguePath();
    if (fs::exists(shipped)) {
      catalogue_ = (folder_ / "bobbins.sqlite").string();
      fs::copy_file(shipped, catalogue_, fs::copy_options::overwrite_existing);
      shippedCatalogue_ = shipped;
    }
    start();
  }

  // Runs `count` events; the first broken invariant ends the run with a
  // description of it and the events that led there.
  std::string run(long count, long progressEvery = 0) {
    for (long event = 1; event <= count; ++event) {
      if (progressEvery > 0 && event % progressEvery == 0)
        std::cerr << "event " << event << " of " << count << ", " << undoChecks_
                  << " undos and redos checked" << std::endl;
      if (run_->driver.ended()) {
        ++restarts_;
        start();
      }
      if (run_->out.str().find("ERROR") != std::string::npos)
        return broken(event, "the design in progress: " + run_->out.str());
      const Files before = snapshotFiles();
      std::vector<std::string> lines = nextEvent();
      for (const std::string& line : lines) {
        recent_.push_back(line);
        if (recent_.size() > 40) recent_.pop_front();
        run_->driver.runLine(line, static_cast<int>(event));
        const std::string said = run_->out.str();
        if (said.find("ERROR") != std::string::npos) return broken(event, said);
        run_->out.str("");
      }
      std::string problem = checkForms();
      if (problem.empty()) problem = checkSavedFiles(before, lines);
      if (problem.empty()) problem = checkHistory(lines);
      if (!problem.empty()) return broken(event, problem);
    }
    return {};
  }

  int restarts() const { return restarts_; }
  long undoChecks() const { return undoChecks_; }
  int projectChecks() const { return projectChecks_; }
  int designChecks() const { return designChecks_; }

 private:
  using Files = std::map<std::string, std::string>;  // path: size and time

  // A design in progress: the typical 12 V / 2 A design taken through the
  // core, bobbin and winding structure to the operating analysis and the
  // cost form, and the wire tools open; every other run starts from a new design instead.
  void start() {
    run_ = std::make_unique<ProgramRun>();
    touched_.clear();
    images_.clear();
    records_ = ~0ull;
    drifted_ = false;
    std::vector<std::string> chain = testing::typicalDesignScript();
    chain.insert(chain.begin() + 1, "show MDIForm1");
    testing::ScriptDesigner rest;
    rest.click("Frmjiegou", "\"工况分析\"");
    rest.click("Frmjiegou", "\"材料清单\"");
    rest.click("MDIForm1", "Tools");
    rest.click("Frmeledata", "CmdSearch");
    chain.insert(chain.end(), rest.lines.begin(), rest.lines.end());
    const size_t steps = restarts_ % 2 == 0 ? chain.size() : 3;
    for (size_t i = 0; i < steps; ++i) runLine(chain[i]);
    // the design as the start left it, so a change outside any step in the
    // first event (a timer's tick) is seen as one
    checkHistory({});
  }

  void runLine(const std::string& line) {
    recent_.push_back(line);
    run_->driver.runLine(line, 0);
  }

  size_t pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
  // A field text; one that reads as no number is remembered, so the checks
  // know it for the user's own wherever the program copies it.
  const std::string& anyText() {
    const std::string& text = fieldTexts()[pick(fieldTexts().size())];
    if (showsNonNumber(text)) typedWords_.insert(text);
    return text;
  }

  std::string fileName(const char* extension) {
    return (folder_ / ("d" + std::to_string(pick(4)) + extension)).string();
  }

  // A file answer: a design or project file of the folder, one in a missing
  // folder, one that is a folder, one whose folder is a file; or cancel.
  std::string fileAnswer() {
    switch (pick(8)) {
      case 0:
        return "file cancel";
      case 1:
        return "file " + (folder_ / "missing" / "x.cvd").string();
      case 2:
        fs::create_directories(folder_ / "folder.cvd");
        return "file " + (folder_ / "folder.cvd").string();
      case 3:
        std::ofstream(folder_ / "plain") << "x";
        return "file " + (folder_ / "plain" / "x.CVN").string();
      case 4:
      case 5:
        return "file " + fileName(".CVN");
      default:
        return "file " + fileName(".cvd");
    }
  }

  // Where a user could act: the control, its frames and its form show and
  // are enabled.
  static bool reachable(const Form& form, const Control& control) {
    if (!control.visible() || !control.enabled()) return false;
    const Control* inner = &control;
    for (int depth = 0; depth < 32 && !inner->container().empty(); ++depth) {
      const Control* frame = form.find(inner->container());
      if (!frame) break;
      if (!frame->visible() || !frame->enabled()) return false;
      inner = frame;
    }
    return true;
  }

  std::vector<Form*> visibleForms() const {
    std::vector<Form*> forms;
    for (Form* form : run_->workspace.existingForms())
      if (form->visible()) forms.push_back(form);
    return forms;
  }

  std::vector<std::string> nextEvent() {
    const double roll = std::uniform_real_distribution<double>(0, 1)(random_);
    if (roll < 0.04)
      return {"answer " + std::string(pick(3) == 0 ? "yes" : pick(2) ? "no" : "cancel")};
    if (roll < 0.07)
      return {chance(0.3) ? std::string("input cancel") : "input " + quoted(anyText())};
    if (roll < 0.09) return {fileAnswer()};
    if (roll < 0.10)
      return {chance(0.5) ? std::string("printer cancel")
                          : "printer record " + (folder_ / "print.txt").string()};
    if (roll < 0.12) return saveOrOpen();
    if (roll < 0.13) return catalogueEvent();
    if (roll < 0.14)
      return {"show " + run_->workspace.formNames()[pick(run_->workspace.formNames().size())]};
    if (roll < 0.16) return tickEvent();
    if (roll < 0.24) return historyEvent();
    return controlEvent();
  }

  // The commands that save or open a design file or a whole project.
  std::vector<std::string> saveOrOpen() {
    switch (pick(5)) {
      case 0:
        return {"file " + fileName(".cvd"), "click MDIForm1.SAVEAS"};
      case 1:
        return {"file " + fileName(".cvd"), "click MDIForm1.SAVE"};
      case 2:
        return {"answer no", "file " + fileName(".cvd"), "click MDIForm1.OPEN"};
      case 3:
        return {"file " + fileName(".CVN"), "click Frmeledata.SAVE"};
      default:
        return {"answer no", "file " + fileName(".CVN"), "click Frmeledata.OPEN"};
    }
  }

  // The bobbin form switches to a copy of the catalogue, or the copy goes
  // away while it is in use, or comes back.
  std::vector<std::string> catalogueEvent() {
    if (catalogue_.empty()) return {};
    switch (pick(3)) {
      case 0:
        return {"catalogue " + catalogue_};
      case 1: {
        std::error_code ignored;
        fs::remove(catalogue_, ignored);
        return {};
      }
      default:
        fs::copy_file(shippedCatalogue_, catalogue_, fs::copy_options::overwrite_existing);
        return {};
    }
  }

  // Undo or redo one step or several, often past the ends of the history.
  std::vector<std::string> historyEvent() {
    const char* verb = chance(0.6) ? "undo" : "redo";
    if (chance(0.6)) return {verb};
    return {std::string(verb) + " " + std::to_string(pick(6))};
  }

  std::vector<std::string> tickEvent() {
    std::vector<std::string> timers;
    for (Form* form : run_->workspace.existingForms())
      for (Control* control : form->allControls())
        if (control->kind() == ControlKind::Timer && !control->inArray())
          timers.push_back(form->name() + "." + control->name());
    if (timers.empty()) return {};
    return {"tick " + timers[pick(timers.size())] + " " + std::to_string(1 + pick(3))};
  }

  std::vector<std::string> controlEvent() {
    std::vector<Form*> forms = visibleForms();
    if (forms.empty()) return {"show MDIForm1"};
    Form& form = *forms[pick(forms.size())];
    std::vector<Control*> controls;
    for (Control* control : form.allControls())
      if (reachable(form, *control)) controls.push_back(control);
    if (controls.empty()) return {};
    Control& control = *controls[pick(controls.size())];
    const std::string address = form.name() + "." + control.address();
    if (address == "FrmSearch.CmdStart") return searchStart(form, address);
    switch (control.kind()) {
      case ControlKind::TextBox:
        touched_.insert(address);
        switch (pick(8)) {
          case 0:
          case 1:
            return {"set " + address + " " + quoted(anyText())};
          case 2:
            return {"type " + address + " " + quoted(anyText())};
          case 3:
          case 4:
            return {"enter " + address};
          case 5:
            return {"key " + address + " " + std::to_string(keyCode())};
          case 6:
            return {"dblclick " + address};
          default:
            return {"focus " + address};
        }
      case ControlKind::ComboBox:
      case ControlKind::ListBox:
        touched_.insert(address);
        if (!control.items().empty() && pick(3) > 0)
          return {"choose " + address + " #" + std::to_string(pick(control.items().size()))};
        if (control.kind() == ControlKind::ComboBox && !control.listOnly())
          return {(pick(2) ? "set " : "type ") + address + " " + quoted(anyText())};
        return {pick(2) ? "click " + address : "focus " + address};
      case ControlKind::Slider:
        touched_.insert(address);
        return {"set " + address + " " +
                std::to_string(control.minimum() +
                               static_cast<int>(pick(static_cast<size_t>(
                                   std::max(1, control.maximum() - control.minimum() + 1)))))};
      case ControlKind::Timer:
      case ControlKind::Frame:
      case ControlKind::ProgressBar:
        return {};
      default:
        return {(pick(6) == 0 ? "dblclick " : "click ") + address};
    }
  }

  // A search of the whole default space takes minutes: one the count label
  // does not show to be of a few candidates is narrowed to ten first,
  // whatever the fields held (a label that says why the space is wrong may
  // be stale: the fields can be changed without a look at them).
  static std::vector<std::string> searchStart(const Form& form, const std::string& address) {
    const std::string count = form.control(searchform::LblCount).caption();
    const std::string prefix = FrmSearch::kCountCaption;
    const long candidates = count.rfind(prefix, 0) == 0
                                ? std::strtol(count.c_str() + prefix.size(), nullptr, 10)
                                : std::numeric_limits<long>::max();
    if (candidates <= 12) return {"click " + address};
    return {"set FrmSearch.TxtLaminations EI64",
            "set FrmSearch.TxtGrades H12",
            "set FrmSearch.TxtStackMin 1",
            "set FrmSearch.TxtStackMax 2",
            "set FrmSearch.TxtStackStep 0.25",
            "set FrmSearch.TxtFluxMin 1.6",
            "set FrmSearch.TxtFluxMax 1.6",
            "set FrmSearch.TxtFluxStep 0.05",
            "set FrmSearch.TxtJMin 5",
            "set FrmSearch.TxtJMax 5",
            "set FrmSearch.TxtJStep 0.5",
            "set FrmSearch.TxtJRatio 1",
            "click " + address};
  }

  int keyCode() {
    static const int codes[] = {8, 9, 13, 27, 32, 37, 38, 39, 40, 46, 48, 57, 65, 112, 116, 190};
    return chance(0.8) ? codes[pick(std::size(codes))] : static_cast<int>(pick(256));
  }

  // ---------------------------------------------------------------- invariants

  std::string checkForms() {
    for (Form* form : run_->workspace.existingForms()) {
      for (const Control* control : form->allControls()) {
        const std::string address = form->name() + "." + control->address();
        if (touched_.count(address)) continue;  // shows what the user typed
        for (const std::string* text : {&control->text(), &control->caption()})
          if (showsNonNumber(*text) && !userTyped(*text))
            return address + " shows " + quoted(*text);
      }
      std::string rows = checkRows(*form);
      if (!rows.empty()) return form->name() + ": " + rows;
    }
    return {};
  }

  // A text the user typed somewhere and the program copied (a winding's
  // label, say) is the user's, not a number the program worked out.
  bool userTyped(const std::string& text) const {
    for (const std::string& typed : typedWords_)
      if (text.find(typed) != std::string::npos) return true;
    return false;
  }

  // The indices of one array, or "" when they match `expected`.
  static std::string sameRows(const Form& form, const char* name,
                              const std::vector<int>& expected) {
    const ControlArray* array = form.findArray(name);
    if (!array) return std::string("no array ") + name;
    if (array->indices() != expected)
      return std::string(name) + " has " + std::to_string(array->count()) + " rows, " +
             std::to_string(expected.size()) + " expected";
    return {};
  }

  static std::vector<int> upTo(int highest) {
    std::vector<int> rows;
    for (int i = 0; i <= highest; ++i) rows.push_back(i);
    return rows;
  }

  static std::string checkRows(const Form& form) {
    std::vector<std::string> problems;
    if (form.name() == Frmeledata::kName) {
      const auto& electrical = dynamic_cast<const Frmeledata&>(form);
      for (const char* name : Frmeledata::kRowArrays)
        problems.push_back(sameRows(form, name, upTo(electrical.highestGroup())));
      if (electrical.currentRow() > electrical.highestGroup())
        problems.push_back("CurrentRow past the last group");
    } else if (form.name() == "Frmjiegou") {
      const double counted = form.control("Txtzb").num();
      const std::vector<int> rows = form.array(winding::kRowCreationOrder[0]).indices();
      for (const char* name : winding::kRowCreationOrder)
        problems.push_back(sameRows(form, name, rows));
      if (rows != upTo(static_cast<int>(rows.size()) - 1)) problems.push_back("rows not 0..N");
      if (counted != static_cast<double>(rows.size()) - 1)
        problems.push_back("Txtzb " + form.control("Txtzb").text() + " for " +
                           std::to_string(rows.size()) + " rows");
    } else if (form.name() == "FrmBomList") {
      const std::vector<int> rows = form.array(bom::kLeadArrays[0]).indices();
      for (const char* name : bom::kLeadArrays) problems.push_back(sameRows(form, name, rows));
      for (const char* name : bom::kWireArrays) problems.push_back(sameRows(form, name, rows));
    }
    for (const std::string& problem : problems)
      if (!problem.empty()) return problem;
    return {};
  }

  // Each file's size and time of last write: a save replaces the file, so
  // either changes.
  Files snapshotFiles() const {
    Files files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".cvd" && extension != ".CVN" &&
                                       extension != ".lib" && extension != ".cir"))
        continue;
      files[entry.path().string()] =
          std::to_string(entry.file_size()) + "@" +
          std::to_string(entry.last_write_time().time_since_epoch().count());
    }
    return files;
  }

  // Every design or project file the event wrote reopens, in a fresh run of
  // the program, to the state it holds; a project saved by the main window's
  // save holds the design as it stands.
  std::string checkSavedFiles(const Files& before, const std::vector<std::string>& lines) {
    const Files after = snapshotFiles();
    auto changed = [&](const std::string& path) {
      auto old = before.find(path), now = after.find(path);
      return now != after.end() && (old == before.end() || old->second != now->second);
    };
    for (const auto& [path, stamp] : after) {
      if (!changed(path)) continue;
      const std::string bytes = testing::fileContents(path);
      if (const fs::path file(path); file.extension() == ".lib" || file.extension() == ".cir") {
        // the SPICE export writes the model and its circuit together
        const fs::path other =
            fs::path(file).replace_extension(file.extension() == ".lib" ? ".cir" : ".lib");
        if (!changed(other.string())) return path + ": written without " + other.string();
        if (std::string problem = checkNetlist(bytes); !problem.empty())
          return path + ": " + problem;
        continue;
      }
      // the name is the user's choice: a project saved as "x.CVN" is still a
      // project file, so the bytes tell which kind of file it is
      const bool project = !bytes.empty() && bytes.front() == '{';
      if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) continue;       // a bill of materials (CSV)
      if (bytes.rfind("id,rank,feasible,", 0) == 0) continue;  // the search's table (CSV)
      std::string problem = project ? reopenProject(path, bytes, lines) : reopenDesign(path, bytes);
      if (!problem.empty()) return path + ": " + problem;
    }
    return {};
  }

  // Netlist lines (not comments) are printable ASCII, and every number in
  // them is finite.
  static std::string checkNetlist(const std::string& bytes) {
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '*') continue;
      for (char c : line)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
          return "a netlist line holds more than printable ASCII: " + line;
      std::string word;
      for (char c : line + " ") {
        if (c != ' ' && c != '=' && c != '(' && c != ')') {
          word += c;
          continue;
        }
        char* end = nullptr;
        const double value = std::strtod(word.c_str(), &end);
        if (!word.empty() && *end == '\0' && !std::isfinite(value))
          return "a netlist line holds a value that is not finite: " + line;
        word.clear();
      }
    }
    return {};
  }

  std::string reopenProject(const std::string& path, const std::string& bytes,
                            const std::vector<std::string>& lines) {
    ++projectChecks_;
    if (bytes.find("\n\"version\": 2,\n") == std::string::npos) return "not of version 2";
    Outcome<ProjectRecord> record = parseProjectFile(bytes);
    if (!record) return "does not read back: " + record.reason();
    if (Outcome<SkippedParts> fits = checkProjectFits(run_->workspace, record.value()); !fits)
      return "does not fit the forms: " + fits.reason();
    ProgramRun fresh;
    Outcome<SkippedParts> restored = restoreProject(fresh.workspace, record.value());
    if (!restored) return "does not reopen: " + restored.reason();
    // what the program wrote it has
    if (!restored.value().empty()) return skippedMessage(restored.value());
    ProjectRecord reopened = captureProject(fresh.workspace);
    if (std::string gone = acceptGoneCatalogue(reopened, record.value()); !gone.empty())
      return gone;
    if (const std::string d = difference(reopened, record.value()); !d.empty())
      return "reopens to another state: " + d;
    const bool explicitSave = lines.back().rfind("click MDIForm1.SAVE", 0) == 0;
    if (explicitSave && run_->workspace.session().path() == path) {
      if (const std::string d = difference(captureProject(run_->workspace), record.value());
          !d.empty())
        return "holds another state than the design saved: " + d;
      // the reopened forms lay out the rows the design added as the design's
      // forms did: every control's settings, layout included, and pictures
      if (!catalogueGone(record.value()))
        if (const std::string c = testing::firstOtherControl(fresh.workspace, run_->workspace);
            !c.empty())
          return "reopens with another control: " + c;
    }
    return {};
  }

  // The bobbin form's member naming a catalogue file of the user's, and how
  // its status line begins where a catalogue could not be read.
  static constexpr const char* kUserCatalogue = "userCatalogue";
  inline static const std::string kUnreadableCatalogue = "无法读取骨架目录";

  // The bobbin form's own catalogue file named by the record, gone since.
  static bool catalogueGone(const ProjectRecord& saved) {
    for (const FormRecord& form : saved.forms)
      for (const MemberRecord& member : form.members)
        if (const auto* text = std::get_if<std::string>(&member.value);
            text && member.name == kUserCatalogue && !text->empty())
          return !fs::exists(*text);
    return false;
  }

  // The bobbin form's own catalogue file may have gone since the save (the
  // events remove it): the design reopens without it and the status line says
  // the file cannot be read. That much of the reopened record differs, and
  // is put back as saved for the comparison that follows.
  static std::string acceptGoneCatalogue(ProjectRecord& reopened, const ProjectRecord& saved) {
    const auto formOf = [](auto& record) -> decltype(&record.forms.front()) {
      for (auto& form : record.forms)
        if (form.name == "Frmbobbin") return &form;
      return nullptr;
    };
    FormRecord* shown = formOf(reopened);
    const FormRecord* kept = formOf(saved);
    if (!shown || !kept || !catalogueGone(saved)) return {};
    std::string path;
    for (const MemberRecord& member : kept->members)
      if (member.name == kUserCatalogue) path = std::get<std::string>(member.value);
    const auto statusOf = [](auto& form) -> decltype(&form.controls.front()) {
      for (auto& control : form.controls)
        if (control.name == "LblStatus") return &control;
      return nullptr;
    };
    ControlRecord* status = statusOf(*shown);
    const ControlRecord* keptStatus = statusOf(*kept);
    const std::string caption = status ? status->changes.values().caption : "";
    if (caption.rfind(kUnreadableCatalogue + "“" + path + "”", 0) != 0)
      return "a design whose catalogue is gone says " + corvane::quoted(caption);
    // the status line as saved: the saved difference, or none
    if (keptStatus)
      *status = *keptStatus;
    else
      std::erase_if(shown->controls,
                    [](const ControlRecord& control) { return control.name == "LblStatus"; });
    shown->members = kept->members;
    return {};
  }

  static std::string memberText(const MemberValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return quoted(*text);
    if (const auto* table = std::get_if<TextTable>(&value))
      return std::to_string(table->size()) + " rows";
    if (const auto* number = std::get_if<double>(&value)) return std::to_string(*number);
    if (const auto* whole = std::get_if<int>(&value)) return std::to_string(*whole);
    return std::get<bool>(value) ? "true" : "false";
  }

  // The first place two records differ, in words; "" when they are equal.
  static std::string difference(const ProjectRecord& shown, const ProjectRecord& saved) {
    if (shown == saved) return {};
    if (shown.forms.size() != saved.forms.size())
      return std::to_string(shown.forms.size()) + " forms against " +
             std::to_string(saved.forms.size());
    for (size_t f = 0; f < shown.forms.size(); ++f) {
      const FormRecord& a = shown.forms[f];
      const FormRecord& b = saved.forms[f];
      if (a.name != b.name) return "form " + a.name + " against " + b.name;
      if (a.members != b.members) {
        for (size_t m = 0; m < std::min(a.members.size(), b.members.size()); ++m)
          if (!(a.members[m] == b.members[m]))
            return a.name + "." + a.members[m].name + " " + memberText(a.members[m].value) +
                   " against " + memberText(b.members[m].value);
        return a.name + ": its own values";
      }
      if (a.controls.size() != b.controls.size()) return a.name + ": number of controls";
      for (size_t c = 0; c < a.controls.size(); ++c) {
        const ControlDesign& shownDesign = a.controls[c].changes.values();
        const ControlDesign& savedDesign = b.controls[c].changes.values();
        const std::string address =
            a.name + "." + a.controls[c].name + "(" + std::to_string(a.controls[c].index) + ")";
        if (a.controls[c].name != b.controls[c].name || a.controls[c].index != b.controls[c].index)
          return address + " against " + b.controls[c].name + "(" +
                 std::to_string(b.controls[c].index) + ")";
        if (shownDesign.picture != savedDesign.picture)
          return address + " picture of " + std::to_string(shownDesign.picture.ops.size()) +
                 " drawing steps against " + std::to_string(savedDesign.picture.ops.size());
        if (a.controls[c] != b.controls[c])
          return address + " " + quoted(shownDesign.text) + " against " + quoted(savedDesign.text);
      }
      if (a.rows != b.rows) return a.name + ": the rows of its arrays";
      if (a != b) return a.name + ": caption or visibility";
    }
    if (shown.activeForm != saved.activeForm)
      return "active form " + shown.activeForm + " against " + saved.activeForm;
    if (shown.wireInsulation != saved.wireInsulation)
      return "wire insulation " + std::to_string(shown.wireInsulation) + " against " +
             std::to_string(saved.wireInsulation);
    if (shown.shared.size() != saved.shared.size())
      return std::to_string(shown.shared.size()) + " shared values against " +
             std::to_string(saved.shared.size());
    for (size_t i = 0; i < shown.shared.size(); ++i)
      if (!(shown.shared[i] == saved.shared[i]))
        return "shared value " + shown.shared[i].name + " " + quoted(shown.shared[i].text) + " " +
               std::to_string(shown.shared[i].number) + " against " + saved.shared[i].name + " " +
               quoted(saved.shared[i].text) + " " + std::to_string(saved.shared[i].number);
    return "the recovery mark";
  }

  // An electrical design file reopens by replaying its lines through the
  // form's reactions, in file order: a value the user typed over what a later
  // line's reaction computes (a no-load voltage before the regulation that
  // derives it) comes back as the reactions leave it. So the file must read
  // back, and what it reopens to must save and reopen to itself.
  std::string reopenDesign(const std::string& path, const std::string& bytes) {
    ++designChecks_;
    Outcome<DesignRecordFile> design = parseDesignFile(bytes);
    if (!design) return "does not read back: " + design.reason();
    Outcome<std::string> again = reopenedDesign(path);
    if (!again) return again.reason();
    if (again.value() == bytes) return {};
    const std::string copy = (folder_ / "again.CVN.txt").string();
    std::ofstream(copy, std::ios::binary) << again.value();
    Outcome<std::string> third = reopenedDesign(copy);
    if (!third) return "saved again, " + third.reason();
    if (third.value() != again.value())
      return "reopens to a design that reopens to another: " +
             firstOtherLine(third.value(), again.value());
    return {};
  }

  // The bytes a design file reopened in a fresh run of the program saves to.
  static Outcome<std::string> reopenedDesign(const std::string& path) {
    ProgramRun fresh;
    auto& form = fresh.workspace.form<Frmeledata>(Frmeledata::kName);
    if (!openDesignFile(form, path)) return Failure{"does not reopen"};
    Outcome<std::string> bytes = encodeDesignFile(captureDesign(form));
    if (!bytes) return Failure{"reopens to a design that cannot be written: " + bytes.reason()};
    return bytes;
  }

  // The first line (of a design file's text) where two files part, as
  // "line N: A against B".
  static std::string firstOtherLine(const std::string& shown, const std::string& saved) {
    std::istringstream a(shown), b(saved);
    std::string lineA, lineB;
    for (int line = 1;; ++line) {
      const bool moreA = static_cast<bool>(std::getline(a, lineA));
      const bool moreB = static_cast<bool>(std::getline(b, lineB));
      if (!moreA && !moreB) return "the same lines";
      if (moreA != moreB || lineA != lineB)
        return "line " + std::to_string(line) + ": " + corvane::quoted(moreA ? lineA : "") +
               " against " + corvane::quoted(moreB ? lineB : "");
    }
  }

  // The design after each position of the history, as it stood when the
  // step was recorded; an undo or redo must give it back. A change that is no
  // step (a clock tick) leaves the other positions unknown.
  std::string checkHistory(const std::vector<std::string>& lines) {
    const DesignHistory& history = run_->workspace.history();
    const size_t position = history.position();
    DesignImage now = captureImage(run_->workspace);
    const bool undoOrRedo =
        !lines.empty() && (lines[0].rfind("undo", 0) == 0 || lines[0].rfind("redo", 0) == 0);
    // a change that is no step (a clock tick) is in no step's record: an
    // undo or redo that recreates the form it changed shows the form as the
    // step left it, so until the history starts again nothing is compared
    if (history.size() == 0) drifted_ = false;
    if (drifted_) {
      images_.clear();
      return {};
    }
    if (images_.size() < position + 1) images_.resize(position + 1);
    if (undoOrRedo) {
      if (images_[position] && catalogueFileChanged(*images_[position])) {
        // the outside world moved: undo cannot bring back a file gone since
        drifted_ = true;
        images_.clear();
        return {};
      }
      if (images_[position]) {
        ++undoChecks_;
        if (!sameImage(now, *images_[position]))
          return lines[0] + " to step " + std::to_string(position) + " of " +
                 std::to_string(history.size()) +
                 " gave another design: " + imageDifferenceText(*images_[position], now);
      }
    } else if (history.records() != records_) {
      images_.resize(position);
    } else if (images_[position] && !sameImage(now, *images_[position])) {
      drifted_ = true;
      images_.clear();
      return {};
    }
    records_ = history.records();
    if (images_.size() < position + 1) images_.resize(position + 1);
    images_[position] = std::move(now);
    return {};
  }

  // The bobbin form of an image names a catalogue of the user's that is gone
  // now, or says a catalogue could not be read (that file may be back): undo
  // and redo reopen what the step names, and say so where it fails.
  bool catalogueFileChanged(const DesignImage& wanted) const {
    const Form* bobbin = run_->workspace.existing("Frmbobbin");
    auto form = wanted.forms.find("Frmbobbin");
    if (!bobbin || form == wanted.forms.end() || !form->second.members) return false;
    const std::vector<MemberValue>& members = *form->second.members;
    const std::vector<KeptMember>& kept = bobbin->keptMembers();
    for (size_t m = 0; m < kept.size() && m < members.size(); ++m)
      if (const auto* path = std::get_if<std::string>(&members[m]);
          path && kept[m].name == kUserCatalogue && !path->empty() && !fs::exists(*path))
        return true;
    auto status = form->second.controls.find({"LblStatus", -1});
    return status != form->second.controls.end() &&
           status->second.design.caption.rfind(kUnreadableCatalogue, 0) == 0;
  }

  // Where two whole images part, in words.
  static std::string imageDifferenceText(const DesignImage& wanted, const DesignImage& shown) {
    auto [was, is] = imageDifference(wanted, shown);
    std::string text;
    for (const auto& [name, form] : is.forms) {
      text += " form " + name + (form.exists ? "" : " gone");
      if (form.caption) text += " caption";
      if (form.visible) text += " visible";
      if (form.members) {
        text += " members";
        const auto& wantedMembers = was.forms[name].members;
        for (size_t m = 0; wantedMembers && m < form.members->size(); ++m)
          if (m >= wantedMembers->size() || (*form.members)[m] != (*wantedMembers)[m])
            text += " #" + std::to_string(m) + "=" + memberText((*form.members)[m]) +
                    (m < wantedMembers->size() ? " not " + memberText((*wantedMembers)[m]) : "");
      }
      for (const auto& [array, rows] : form.rows) text += " rows of " + array;
      for (const auto& [key, control] : form.controls) {
        text += " " + key.first + "(" + std::to_string(key.second) +
                ")=" + corvane::quoted(control.design.text);
        auto old = was.forms[name].controls.find(key);
        if (old != was.forms[name].controls.end())
          text += " not " + corvane::quoted(old->second.design.text);
      }
    }
    for (const auto& [name, form] : was.forms)
      if (!is.forms.count(name)) text += " form " + name + " missing";
    if (is.order) text += " order";
    if (is.active) text += " active " + *is.active + " not " + was.active.value_or("");
    if (is.shared) text += " shared values";
    return text;
  }

  std::string broken(long event, const std::string& problem) const {
    std::string text = "event " + std::to_string(event) + ": " + problem + "\nlast commands:\n";
    for (const std::string& line : recent_) text += "  " + line + "\n";
    return text;
  }

  std::mt19937 random_;
  fs::path folder_;
  std::string catalogue_;
  std::string shippedCatalogue_;
  std::unique_ptr<ProgramRun> run_;
  std::set<std::string> touched_;
  std::set<std::string> typedWords_;
  std::deque<std::string> recent_;
  std::vector<std::optional<DesignImage>> images_;
  unsigned long long records_ = ~0ull;
  bool drifted_ = false;  // a change outside any step since the history started
  long undoChecks_ = 0;
  int restarts_ = 0;
  int projectChecks_ = 0;
  int designChecks_ = 0;
};

TEST(RandomEvents, EveryInvariantHoldsAfterEveryEvent) {
  const long events = environmentNumber("CORVANE_RANDOM_EVENTS", 2500);
  const auto seed = static_cast<unsigned>(environmentNumber("CORVANE_RANDOM_SEED", 17));
  const fs::path folder =
      fs::temp_directory_path() / ("corvane-random-events-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);

  RandomEvents run(seed, folder);
  const std::string problem = run.run(events, environmentNumber("CORVANE_RANDOM_PROGRESS", 0));
  EXPECT_EQ(problem, "") << "seed " << seed;
  // the run got somewhere: files were saved and reopened
  EXPECT_GT(run.projectChecks() + run.designChecks(), 0);
  EXPECT_GT(run.undoChecks(), 0);
  std::cout << events << " events, seed " << seed << ", " << run.restarts() << " restarts, "
            << run.projectChecks() << " project and " << run.designChecks()
            << " design files reopened, " << run.undoChecks() << " undos and redos checked\n";
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvane
