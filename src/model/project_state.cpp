#include "model/project_state.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/form.h"
#include "model/host.h"
#include "model/recording_host.h"
#include "model/workspace.h"

namespace corvane {

namespace {

[[noreturn]] void misfit(const std::string& text) {
  throw ProjectFileError(text);
}

std::string addressOf(const ControlRecord& control) {
  return control.index < 0 ? control.name
                           : control.name + "(" + std::to_string(control.index) + ")";
}

std::string controlWhere(const Form& form, const std::string& address) {
  return "窗体“" + form.name() + "”的控件“" + address + "”";
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

// Whether the form has the control a record names; a control it has in
// another shape (an array written as a single control, or the other way
// round) does not fit.
bool hasControl(const Form& form, const ControlRecord& control) {
  const std::string where = controlWhere(form, addressOf(control));
  if (control.index < 0) {
    if (form.find(control.name)) return true;
    if (form.isArray(control.name)) misfit(where + "是控件数组，缺少行号 index");
  } else {
    if (form.isArray(control.name)) return true;
    if (form.find(control.name)) misfit(where + "不是控件数组，不能有行号 index");
  }
  return false;
}

// Gives every array of the form the rows the record holds for it, or its
// design-time rows; a new row is laid out as the form lays out its rows.
void matchRows(Form& form, const FormRecord& record) {
  std::map<std::string, const std::vector<int>*> saved;
  for (const ArrayRows& rows : record.rows) {
    if (form.find(rows.name)) misfit(controlWhere(form, rows.name) + "不是控件数组，不能有行 rows");
    if (form.isArray(rows.name)) saved[rows.name] = &rows.indices;
  }
  for (const std::string& name : form.names()) {
    ControlArray* array = form.findArray(name);
    if (!array) continue;
    auto own = saved.find(name);
    const std::vector<int>& wanted = own != saved.end() ? *own->second : array->designTimeRows();
    const std::set<int> rows(wanted.begin(), wanted.end());
    for (int index : array->indices())
      if (!rows.count(index)) array->unload(index);
    for (int index : wanted) array->loadDesignTimeRow(index);
  }
}

// Every control of the form goes back to its design-time state with the
// record's differences over it.
void restoreControls(Form& form, const FormRecord& record) {
  std::map<std::pair<std::string, int>, const ControlRecord*> saved;
  for (const ControlRecord& control : record.controls) {
    if (!hasControl(form, control)) continue;
    if (!form.find(control.name, control.index))
      misfit(controlWhere(form, addressOf(control)) + "不在数组的行之中");
    saved[{control.name, control.index}] = &control;
  }
  for (Control* control : form.allControls()) {
    auto own = saved.find({control->name(), control->index()});
    if (own == saved.end()) {
      control->restoreDesign(control->designTimeState());
      continue;
    }
    const DesignChanges& changes = own->second->changes;
    if (changes.has(DesignProperty::Picture) && control->kind() != ControlKind::PictureBox)
      misfit(controlWhere(form, control->address()) + "不是图片框");
    const ControlDesign state = changes.appliedTo(control->designTimeState());
    const long long highest = static_cast<long long>(state.items.size()) - 1;
    if (state.listIndex < -1 || state.listIndex > highest)
      misfit(controlWhere(form, control->address()) + "的 listIndex 应在 -1 与 " +
             std::to_string(highest) + " 之间");
    control->restoreDesign(state);
  }
}

void restoreForm(Form& form, const FormRecord& record) {
  form.setCaption(record.caption.value_or(form.designTimeCaption()));
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

void restoreWindows(Workspace& workspace, const std::vector<const FormRecord*>& forms,
                    const std::string& activeForm) {
  // the active form is shown last, so a multiple-document view brings it to
  // the front
  const FormRecord* active = nullptr;
  for (const FormRecord* form : forms) {
    if (form->name == activeForm) {
      active = form;
      continue;
    }
    workspace.existing(form->name)->restoreVisibility(form->visible);
  }
  if (active) workspace.existing(active->name)->restoreVisibility(active->visible);
  workspace.restoreActive(active ? workspace.existing(active->name) : nullptr);
}

// The names a form record holds that the form has neither as a control nor
// as an array, each once.
std::vector<std::string> unknownControls(const Form& form, const FormRecord& record) {
  std::vector<std::string> names;
  auto note = [&](const std::string& name) {
    if (!form.find(name) && !form.isArray(name) &&
        std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(name);
  };
  for (const ArrayRows& rows : record.rows) note(rows.name);
  for (const ControlRecord& control : record.controls) note(control.name);
  return names;
}

SkippedParts skippedParts(const Workspace& workspace, const ProjectRecord& record) {
  SkippedParts skipped;
  for (const FormRecord& form : record.forms) {
    if (!workspace.holdsDesign(form.name)) {
      skipped.forms.push_back(form.name);
      continue;
    }
    std::vector<std::string> names = unknownControls(*workspace.existing(form.name), form);
    if (!names.empty()) skipped.controls.emplace_back(form.name, std::move(names));
  }
  return skipped;
}

}  // namespace

std::string skippedMessage(const SkippedParts& skipped) {
  std::string text = "以下内容已忽略：";
  for (const std::string& form : skipped.forms) text += "\n窗体“" + form + "”";
  for (const auto& [form, names] : skipped.controls) {
    text += "\n窗体“" + form + "”的控件";
    for (size_t i = 0; i < names.size(); ++i) text += (i ? "、“" : "“") + names[i] + "”";
  }
  return text;
}

ProjectRecord captureProject(const Workspace& workspace) {
  ProjectRecord record;
  for (const Form* form : workspace.existingForms()) {
    if (!form->holdsDesign()) continue;
    FormRecord saved;
    saved.name = form->name();
    if (form->caption() != form->designTimeCaption()) saved.caption = form->caption();
    saved.visible = form->visible();
    for (const KeptMember& member : form->keptMembers())
      saved.members.push_back({member.name, member.get()});
    for (const std::string& name : form->names())
      if (const ControlArray* array = form->findArray(name);
          array && array->indices() != array->designTimeRows())
        saved.rows.push_back({name, array->indices()});
    for (const Control* control : form->allControls()) {
      DesignChanges changes = DesignChanges::between(control->designTimeState(), control->design());
      if (!changes.empty())
        saved.controls.push_back({control->name(), control->index(), std::move(changes)});
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
SkippedParts restoreRecord(Workspace& workspace, const ProjectRecord& record);
}  // namespace

Outcome<SkippedParts> checkProjectFits(const Workspace& workspace, const ProjectRecord& record) {
  RecordingHost host;  // nothing of the scratch copy is shown
  Workspace scratch(host);
  scratch.registerFormsOf(workspace);
  return restoreProject(scratch, record);
}

Outcome<SkippedParts> restoreProject(Workspace& workspace, const ProjectRecord& record) {
  return outcomeOf<ProjectFileError>([&] { return restoreRecord(workspace, record); });
}

namespace {
SkippedParts restoreRecord(Workspace& workspace, const ProjectRecord& record) {
  // a form the program does not have, or has as one of its own windows, is
  // skipped
  std::vector<const FormRecord*> forms;
  for (const FormRecord& form : record.forms)
    if (workspace.holdsDesign(form.name)) forms.push_back(&form);
  workspace.discardDesign();
  // each form loads as at first use, seeing the forms before it as saved
  for (const FormRecord* saved : forms) {
    Form& form = workspace.form(saved->name);
    workspace.runQuietly([&] { restoreForm(form, *saved); });
  }
  workspace.runQuietly([&] {
    // a load may have brought in a form the design did not have, or written
    // into a form restored before it: the record has the last word
    std::set<std::string> names;
    for (const FormRecord* form : forms) names.insert(form->name);
    for (Form* form : workspace.existingForms())
      if (form->holdsDesign() && !names.count(form->name())) workspace.close(form->name());
    std::vector<std::string> order;
    for (const FormRecord* form : forms) {
      restoreForm(workspace.form(form->name), *form);
      order.push_back(form->name);
    }
    workspace.restoreCreationOrder(order);
    restoreShared(workspace, record);
    for (const FormRecord* form : forms) workspace.form(form->name).restored();
    restoreWindows(workspace, forms, record.activeForm);
  });
  return skippedParts(workspace, record);
}
}  // namespace

}  // namespace corvane
