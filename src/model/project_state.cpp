#include "model/project_state.h"

#include <map>
#include <set>

#include "model/form.h"
#include "model/host.h"
#include "model/print_surface.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// The host of a scratch copy: nothing is shown, every question is declined.
class QuietHost : public Host {
 public:
  void showMessage(const std::string&, MessageIcon, const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return false; }
  Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::No; }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> chooseSaveFile(const std::string&) override { return std::nullopt; }
  std::unique_ptr<PrintSurface> choosePrinter() override { return nullptr; }
  CalendarDate today() override { return {}; }
  ClockTime now() override { return {}; }
  void quit() override {}
  bool launchSystemInformation() override { return false; }
  std::vector<std::string> recentDesigns() override { return {}; }
  void storeRecentDesigns(const std::vector<std::string>&) override {}
  std::string dataFolder() override { return {}; }
};

[[noreturn]] void misfit(const std::string& text) {
  throw ProjectFileError(text);
}

std::string addressOf(const ControlRecord& control) {
  return control.index < 0 ? control.name
                           : control.name + "(" + std::to_string(control.index) + ")";
}

void checkFormNames(const Workspace& workspace, const ProjectRecord& record) {
  for (const FormRecord& form : record.forms) {
    if (!workspace.knowsForm(form.name)) misfit("窗体“" + form.name + "”在本程序中不存在");
    if (!workspace.holdsDesign(form.name)) misfit("窗体“" + form.name + "”不属于设计");
  }
}

void restoreMembers(Form& form, const FormRecord& record) {
  for (const MemberRecord& saved : record.members) {
    const KeptMember* member = nullptr;
    for (const KeptMember& kept : form.keptMembers())
      if (kept.name == saved.name) member = &kept;
    if (!member) misfit("窗体“" + form.name() + "”没有成员“" + saved.name + "”");
    if (!member->set(saved.value))
      misfit("窗体“" + form.name() + "”的成员“" + saved.name + "”的值类型或范围不对");
  }
}

// The control a record names; an array element is created later, by
// matchRows, so only the array is checked here.
void checkControlName(const Form& form, const ControlRecord& control) {
  const std::string where = "窗体“" + form.name() + "”的控件“" + addressOf(control) + "”";
  if (control.index < 0) {
    if (form.find(control.name)) return;
    if (form.isArray(control.name)) misfit(where + "是控件数组，缺少行号 index");
  } else {
    if (form.isArray(control.name)) return;
    if (form.find(control.name)) misfit(where + "不是控件数组，不能有行号 index");
  }
  misfit("窗体“" + form.name() + "”中没有控件“" + control.name + "”");
}

// Gives every array the record mentions exactly the rows the record holds;
// new rows start from the design settings of the array's first row.
void matchRows(Form& form, const FormRecord& record) {
  std::map<std::string, std::set<int>> wanted;
  for (const ControlRecord& control : record.controls) {
    checkControlName(form, control);
    if (control.index >= 0) wanted[control.name].insert(control.index);
  }
  for (const auto& [name, rows] : wanted) {
    ControlArray& array = form.array(name);
    std::vector<int> present = array.indices();
    ControlInit pattern;
    if (!present.empty()) pattern = array.at(present.front())->snapshot();
    for (int index : present)
      if (!rows.count(index)) array.unload(index);
    for (int index : rows)
      if (!array.has(index)) array.load(index, pattern);
  }
}

void restoreControls(Form& form, const FormRecord& record) {
  for (const ControlRecord& saved : record.controls) {
    Control& control = *form.find(saved.name, saved.index);
    if (saved.picture && control.kind() != ControlKind::PictureBox)
      misfit("窗体“" + form.name() + "”的控件“" + addressOf(saved) + "”不是图片框");
    control.restore(saved.state);
    if (control.kind() == ControlKind::PictureBox) {
      PictureRecord picture = saved.picture.value_or(PictureRecord{});
      control.picture().restore(std::move(picture.ops), picture.backColor, picture.foreColor);
    }
  }
}

void restoreForm(Form& form, const FormRecord& record) {
  form.setCaption(record.caption);
  restoreMembers(form, record);
  matchRows(form, record);
  restoreControls(form, record);
}

void restoreShared(Workspace& workspace, const ProjectRecord& record) {
  SharedValues& values = workspace.shared();
  values = SharedValues{};
  for (const SharedRecord& saved : record.shared) {
    SharedValue* value = values.find(saved.name);
    switch (saved.kind) {
      case SharedValue::Kind::Empty:
        value->clear();
        break;
      case SharedValue::Kind::Number:
        value->setNumber(saved.number);
        break;
      case SharedValue::Kind::Text:
        value->setText(saved.text);
        break;
      case SharedValue::Kind::Reference: {
        const FieldRef& ref = saved.reference;
        const std::string where = "共享值“" + saved.name + "”引用的";
        if (!workspace.knowsForm(ref.form))
          misfit(where + "窗体“" + ref.form + "”在本程序中不存在");
        // the form may be closed since (the winding table); when it is there
        // it must have the field, whatever rows it holds now
        const Form* target = workspace.existing(ref.form);
        if (target && !target->find(ref.field) && !target->isArray(ref.field))
          misfit(where + "控件“" + ref.form + "." + ref.field + "”不存在");
        value->setReference(ref);
        break;
      }
    }
  }
  values.wireInsulation = record.wireInsulation;
}

void restoreWindows(Workspace& workspace, const ProjectRecord& record) {
  // the active form is shown last, so a multiple-document view brings it to
  // the front
  const FormRecord* active = nullptr;
  for (const FormRecord& form : record.forms) {
    if (form.name == record.activeForm) {
      active = &form;
      continue;
    }
    workspace.existing(form.name)->restoreVisibility(form.visible);
  }
  if (active) workspace.existing(active->name)->restoreVisibility(active->visible);
  workspace.restoreActive(active ? workspace.existing(active->name) : nullptr);
}

}  // namespace

ProjectRecord captureProject(const Workspace& workspace) {
  ProjectRecord record;
  for (const Form* form : workspace.existingForms()) {
    if (!form->holdsDesign()) continue;
    FormRecord saved;
    saved.name = form->name();
    saved.caption = form->caption();
    saved.visible = form->visible();
    for (const KeptMember& member : form->keptMembers())
      saved.members.push_back({member.name, member.get()});
    for (const Control* control : form->allControls()) {
      ControlRecord out{control->name(), control->index(), control->state(), std::nullopt};
      if (control->kind() == ControlKind::PictureBox)
        if (const Picture* picture = control->pictureIfAny())
          out.picture = PictureRecord{picture->ops(), picture->backColor(), picture->foreColor()};
      saved.controls.push_back(std::move(out));
    }
    record.forms.push_back(std::move(saved));
  }
  if (const Form* active = workspace.activeForm(); active && active->holdsDesign())
    record.activeForm = active->name();
  const SharedValues& values = workspace.shared();
  for (const std::string& name : SharedValues::names()) {
    const SharedValue& value = *values.find(name);
    record.shared.push_back(
        {name, value.kind(), value.storedNumber(), value.storedText(), value.reference()});
  }
  record.wireInsulation = values.wireInsulation;
  return record;
}

namespace {
void restoreRecord(Workspace& workspace, const ProjectRecord& record);
}  // namespace

Outcome<> checkProjectFits(const Workspace& workspace, const ProjectRecord& record) {
  QuietHost host;
  Workspace scratch(host);
  scratch.registerFormsOf(workspace);
  return restoreProject(scratch, record);
}

Outcome<> restoreProject(Workspace& workspace, const ProjectRecord& record) {
  return outcomeOf<ProjectFileError>([&] { restoreRecord(workspace, record); });
}

namespace {
void restoreRecord(Workspace& workspace, const ProjectRecord& record) {
  checkFormNames(workspace, record);
  workspace.discardDesign();
  // each form loads as at first use, seeing the forms before it as saved
  for (const FormRecord& saved : record.forms) {
    Form& form = workspace.form(saved.name);
    workspace.runQuietly([&] { restoreForm(form, saved); });
  }
  workspace.runQuietly([&] {
    // a load may have brought in a form the design did not have, or written
    // into a form restored before it: the record has the last word
    std::set<std::string> saved;
    for (const FormRecord& form : record.forms) saved.insert(form.name);
    for (Form* form : workspace.existingForms())
      if (form->holdsDesign() && !saved.count(form->name())) workspace.close(form->name());
    std::vector<std::string> order;
    for (const FormRecord& form : record.forms) {
      restoreForm(workspace.form(form.name), form);
      order.push_back(form.name);
    }
    workspace.restoreCreationOrder(order);
    restoreShared(workspace, record);
    for (const FormRecord& form : record.forms) workspace.form(form.name).restored();
    restoreWindows(workspace, record);
  });
}
}  // namespace

}  // namespace corvane
