#include "app/texts/file_reason_samples.h"

#include <set>
#include <string_view>

#include "electrical/design_file.h"
#include "model/file_access.h"
#include "model/form.h"
#include "model/project_file.h"
#include "model/project_state.h"
#include "model/shared_values.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// A design file with one group as the program writes it, its lines apart.
std::vector<std::string> goodDesignLines() {
  DesignRecordFile design;
  OutputGroupRecord group;
  group.circuit = "全桥电容";
  group.diode = "硅管";
  design.groups.push_back(group);
  std::vector<std::string> lines;
  const std::string text = encodeDesignFile(design).value();
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> brokenDesignFiles() {
  std::vector<std::string> files{"",
                                 std::string("0\r\n\0", 4),
                                 "\xEF\xBB\xBF\xFF",
                                 "\x81\x20",
                                 "x\r\n",
                                 "-1\r\n",
                                 "20\r\n",
                                 "0\r\n"};
  const std::vector<std::string> good = goodDesignLines();
  // the first group's circuit, diode and connection lines (after the count,
  // its label and its output voltage and current), then the input
  // arrangement line
  for (size_t line : {5u, 6u, 12u, 13u}) {
    std::vector<std::string> bad = good;
    bad[line - 1] = "9";
    files.push_back(joined(bad));
  }
  return files;
}

// A project file of one form "F" with the given body after its name, and
// the shared values given; version 2 unless told.
std::string projectFile(const std::string& forms, const std::string& shared = "{}",
                        const std::string& more = "", int version = 2) {
  return std::string(R"({"format": ")") + kProjectFormatName + R"(", "version": )" +
         std::to_string(version) + R"(, "forms": )" + forms + R"(, "shared": )" + shared + more +
         "}";
}

std::string oneForm(const std::string& body) {
  return R"([{"name": "F", "visible": true)" + body + "}]";
}

std::string oneControl(const std::string& keys) {
  return oneForm(R"(, "controls": [{"name": "C")" + keys + "}]");
}

// The project files that break each rule of the reader once: at the top,
// in a shared value, a form, a control, a picture and its drawing, in both
// versions.
std::vector<std::string> brokenProjectFiles() {
  const std::string format = std::string(R"({"format": ")") + kProjectFormatName + "\"";
  std::vector<std::string> files = {"",
                                    "{",
                                    "x",
                                    "[1e999]",
                                    "{}",
                                    format + R"(, "version": 0})",
                                    format + R"(, "version": 99})",
                                    format + "}",
                                    format + R"(, "version": "2"})",
                                    format + R"(, "version": 2, "shared": {}})",
                                    format + R"(, "version": 2, "forms": []})"};
  const std::string noForms = "[]";
  for (const char* more :
       {R"(, "x": 1)", R"(, "activeForm": 1)", R"(, "activeForm": "G")", R"(, "recovery": 1)",
        R"(, "recovery": {})", R"(, "recovery": {"file": 1})",
        R"(, "recovery": {"file": "a", "x": 1})"})
    files.push_back(projectFile(noForms, "{}", more));
  files.push_back(projectFile("1"));
  files.push_back(projectFile(noForms, "1"));
  const std::string name = SharedValues::names().front();
  for (const char* value : {R"("x")", "1", R"({"x": 1})", R"({"number": 1, "text": "a"})",
                            R"({"text": "a", "number": 1})", R"({"number": "a"})", R"({"text": 1})",
                            R"({"form": 1})", R"({"form": "a"})", R"({"form": "a", "field": 1})",
                            R"({"form": "a", "field": "b", "row": -1})"})
    files.push_back(projectFile(noForms, R"({")" + name + R"(": )" + value + "}"));
  files.push_back(projectFile(noForms, R"({"wireInsulation": "x"})"));
  files.push_back(projectFile(noForms, R"({"x": {}})"));
  // the forms
  for (const char* forms : {"[1]", "[{}]", R"([{"name": 1}])",
                            R"([{"name": "F", "visible": true, "controls": []},
                                {"name": "F", "visible": true, "controls": []}])"})
    files.push_back(projectFile(forms));
  for (const char* body :
       {R"(, "controls": [], "x": 1)", R"(, "controls": [], "caption": 1)", "",
        R"(, "controls": 1)", R"(, "controls": [], "members": 1)",
        R"(, "controls": [], "members": {"m": {}})", R"(, "controls": [], "members": {"m": [1]})",
        R"(, "controls": [], "members": {"m": [[1]]})",
        R"(, "controls": [], "members": {"m": 99999999999})", R"(, "controls": [], "rows": 1)",
        R"(, "controls": [], "rows": {"": []})", R"(, "controls": [], "rows": {"A": 1})",
        R"(, "controls": [], "rows": {"A": ["x"]})", R"(, "controls": [], "rows": {"A": [1, 1]})",
        R"(, "controls": [], "rows": {"A": [-1]})"})
    files.push_back(projectFile(oneForm(body)));
  files.push_back(projectFile(R"([{"name": "F", "controls": []}])"));
  files.push_back(projectFile(R"([{"name": "F", "visible": 1, "controls": []}])"));
  // the controls
  for (const char* controls : {"[1]", "[{}]", R"([{"name": 1}])", R"([{"name": ""}])",
                               R"([{"name": "C"}, {"name": "C"}])"})
    files.push_back(projectFile(oneForm(std::string(R"(, "controls": )") + controls)));
  const std::vector<std::string> keys = {
      R"(, "index": "x")",
      R"(, "index": -5)",
      R"(, "x": 1)",
      R"(, "text": 1)",
      R"(, "caption": 1)",
      R"(, "items": 1)",
      R"(, "items": [1])",
      R"(, "listIndex": "x")",
      R"(, "listIndex": -5)",
      R"(, "items": ["a"], "listIndex": 3)",
      R"(, "value": "x")",
      R"(, "value": -1)",
      R"(, "visible": 1)",
      R"(, "enabled": 1)",
      R"(, "locked": 1)",
      R"(, "ownBackColor": 1)",
      R"(, "backColor": 1)",
      R"(, "backColor": [0, 0, 300])",
      R"(, "foreColor": 1)",
      R"(, "picture": 1)",
      R"(, "picture": {})",
      R"(, "picture": {"x": 1, "ops": []})",
      R"(, "picture": {"ops": 1})",
      R"(, "picture": {"ops": [1]})",
      R"(, "picture": {"ops": [[1]]})",
      R"(, "picture": {"ops": [["nosuch"]]})",
      R"(, "picture": {"ops": [["line", 1]]})",
      R"(, "picture": {"ops": [["line", "a", 0, 0, 0, [0, 0, 0]]]})",
      R"(, "picture": {"ops": [["text", 0, 0, 1, [0, 0, 0]]]})",
      R"(, "picture": {"ops": [["line", 0, 0, 0, 0, 1]]})",
      R"(, "picture": {"backColor": 1, "ops": []})",
      R"(, "picture": {"foreColor": 1, "ops": []})"};
  for (const std::string& key : keys) files.push_back(projectFile(oneControl(key)));
  // what only the first version holds: every control's layout
  const std::string firstForm =
      R"([{"name": "F", "caption": "c", "visible": true, "controls": [{"name": "C")";
  for (const char* key :
       {R"(, "toolTip": 1)", R"(, "geometry": 1)", R"(, "geometry": [1, 2, 3, "x"])",
        R"(, "interval": -1)", R"(, "listIndex": 2)"})
    files.push_back(projectFile(firstForm + key + "}]}]", "{}", "", 1));
  files.push_back(projectFile(R"([{"name": "F", "visible": true, "controls": []}])", "{}", "", 1));
  return files;
}

}  // namespace

std::vector<std::string> fileReasonSamples() {
  std::vector<std::string> reasons = files::reasonTexts();
  for (const std::string& bytes : brokenDesignFiles())
    if (auto parsed = parseDesignFile(bytes); !parsed) reasons.push_back(parsed.reason());
  DesignRecordFile unwritable;
  unwritable.groups.emplace_back().label = "a\nb";
  if (auto written = encodeDesignFile(unwritable); !written) reasons.push_back(written.reason());
  unwritable.groups.back().label = "\xF0\x9F\x98\x80";  // an emoji GBK lacks
  if (auto written = encodeDesignFile(unwritable); !written) reasons.push_back(written.reason());
  for (const std::string& bytes : brokenProjectFiles())
    if (auto parsed = parseProjectFile(bytes); !parsed) reasons.push_back(parsed.reason());
  std::vector<std::string> messages;
  for (const std::string& reason : reasons) messages.push_back("“F”：" + reason + "。");
  return messages;
}

namespace {

// A record of one form with one control of it as `changes` leaves it.
ProjectRecord oneControlRecord(const Form& form, const std::string& name, int index,
                               DesignChanges changes) {
  FormRecord saved;
  saved.name = form.name();
  ControlRecord control;
  control.name = name;
  control.index = index;
  control.changes = std::move(changes);
  saved.controls.push_back(std::move(control));
  ProjectRecord record;
  record.forms.push_back(std::move(saved));
  return record;
}

// Records that do not fit the program's forms, each in one way: a member,
// an array and a single control taken for each other, a row or a picture
// the control does not have, a selection past its list, a shared value
// that refers to no field.
std::vector<ProjectRecord> misfitRecords(const Workspace& workspace) {
  std::vector<ProjectRecord> records;
  // one form of each kind does: the reasons name the form and the control
  bool member = false, array = false, single = false;
  for (const std::string& formName : workspace.formNames()) {
    const Form* form = workspace.existing(formName);
    // a form outside the design (the main window, the about box) is never restored
    if (!form || !workspace.holdsDesign(formName)) continue;
    if (!member && !form->keptMembers().empty()) {
      member = true;
      ProjectRecord unknown;
      unknown.forms.push_back({formName, {}, false, {{"nosuch", 1}}, {}, {}});
      records.push_back(unknown);
      unknown.forms[0].members = {{form->keptMembers().front().name, TextTable{{"x"}}}};
      records.push_back(unknown);
    }
    for (const std::string& name : form->names()) {
      if (form->isArray(name)) {
        if (array) continue;
        array = true;
        records.push_back(oneControlRecord(*form, name, -1, {}));
        records.push_back(oneControlRecord(*form, name, 9999, {}));
        continue;
      }
      const Control* control = form->find(name);
      if (single || !control || control->kind() == ControlKind::PictureBox) continue;
      single = true;
      records.push_back(oneControlRecord(*form, name, 0, {}));
      ProjectRecord rows;
      rows.forms.push_back({formName, {}, false, {}, {{name, {0}}}, {}});
      records.push_back(rows);
      ControlDesign past;
      past.listIndex = static_cast<int>(control->items().size()) + 5;
      DesignChanges selection;
      selection.take(DesignProperty::ListIndex, past);
      records.push_back(oneControlRecord(*form, name, -1, selection));
      DesignChanges picture;
      picture.take(DesignProperty::Picture, past);
      records.push_back(oneControlRecord(*form, name, -1, picture));
    }
  }
  ProjectRecord shared;
  SharedRecord reference;
  reference.name = SharedValues::names().front();
  reference.kind = SharedValue::Kind::Reference;
  reference.reference = {"NoSuchForm", "x", -1};
  shared.shared.push_back(reference);
  records.push_back(shared);
  if (!workspace.formNames().empty()) {
    shared.shared[0].reference.form = workspace.formNames().front();
    records.push_back(shared);
  }
  return records;
}

}  // namespace

std::vector<std::string> projectFitSamples(const Workspace& workspace) {
  std::set<std::string> reasons;
  for (const ProjectRecord& record : misfitRecords(workspace))
    if (auto fits = checkProjectFits(workspace, record); !fits) reasons.insert(fits.reason());
  std::vector<std::string> messages;
  for (const std::string& reason : reasons) messages.push_back("“F”：" + reason + "。");
  SkippedParts skipped;
  skipped.forms = {"F"};
  skipped.controls = {{"G", {"a", "b"}}};
  messages.push_back(skippedMessage(skipped));
  return messages;
}

}  // namespace corvane
