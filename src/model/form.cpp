#include "model/form.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "model/captioned_field.h"
#include "model/design_history.h"
#include "model/programming_error.h"
#include "model/scope_exit.h"
#include "model/step_label.h"
#include "model/translator.h"
#include "model/utf8.h"
#include "model/value.h"
#include "model/workspace.h"

namespace corvane {

// ---------------------------------------------------------------- arrays

ControlArray::ControlArray(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {}

Control* ControlArray::at(int index) const {
  if (index >= 0 && index < kDirectRows)
    return static_cast<size_t>(index) < direct_.size() ? direct_[static_cast<size_t>(index)]
                                                       : nullptr;
  auto it = elements_.find(index);
  return it == elements_.end() ? nullptr : it->second.get();
}

Control& ControlArray::element(int index) const {
  Control* control = at(index);
  if (!control) throw RecalcAbort("control array element does not exist");
  return *control;
}

std::vector<int> ControlArray::indices() const {
  std::vector<int> out;
  for (const auto& entry : elements_) out.push_back(entry.first);
  return out;
}

Control& ControlArray::load(int index, ControlInit init) {
  if (Control* existing = at(index)) return *existing;
  auto control = std::make_unique<Control>(form_, name_, kind_, index, std::move(init));
  Control& ref = *control;
  ref.setContent(content_);
  if (auto own = designTime_.find(index); own != designTime_.end())
    ref.designTime_ = own->second.state;
  else if (!designTime_.empty())
    ref.designTime_ = designTime_.begin()->second.state;
  elements_.emplace(index, std::move(control));
  if (index >= 0 && index < kDirectRows) {
    if (static_cast<size_t>(index) >= direct_.size())
      direct_.resize(static_cast<size_t>(index) + 1);
    direct_[static_cast<size_t>(index)] = &ref;
  }
  form_.rowAdded(name_, ref);
  return ref;
}

void ControlArray::setContent(Control::Content content) {
  content_ = content;
  for (auto& entry : elements_) entry.second->setContent(content);
}

void ControlArray::settleDesignTime() {
  designTime_.clear();
  for (auto& [index, control] : elements_) {
    control->designTime_ = control->design();
    designTime_[index] = {control->snapshot(), control->designTime_};
  }
  designRows_ = indices();
}

Control& ControlArray::loadDesignTimeRow(int index) {
  if (Control* existing = at(index)) return *existing;
  if (auto own = designTime_.find(index); own != designTime_.end())
    return load(index, own->second.settings);
  if (designTime_.empty()) throw ProgrammingError(name_ + " has no design-time row");
  const auto first = designTime_.begin();
  int pitch = pitch_;
  if (pitch == 0 && designTime_.size() > 1)
    pitch = std::next(first)->second.settings.geometry.top - first->second.settings.geometry.top;
  ControlInit settings = first->second.settings;
  settings.geometry.top += (index - first->first) * pitch;
  return load(index, std::move(settings));
}

void ControlArray::unload(int index) {
  auto it = elements_.find(index);
  if (it == elements_.end()) return;
  form_.rowRemoved(name_, index, it->second.get());
  form_.tickChange();
  if (index >= 0 && index < kDirectRows) direct_[static_cast<size_t>(index)] = nullptr;
  elements_.erase(it);
}

// ---------------------------------------------------------------- form

Form::Form(Workspace& workspace, std::string name, std::string caption)
    : workspace_(workspace), name_(std::move(name)), caption_(std::move(caption)) {}

Form::~Form() = default;

Host& Form::host() const {
  return workspace_.host();
}
SharedValues& Form::shared() const {
  return workspace_.shared();
}

void Form::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  events.emit({FormEventKind::Caption});
}

void Form::show() {
  if (!visible_) {
    visible_ = true;
    events.emit({FormEventKind::Shown});
  } else {
    events.emit({FormEventKind::Raised});
  }
  workspace_.activate(*this);
}

void Form::hide() {
  workspace_.deactivate(*this);
  if (!visible_) return;
  visible_ = false;
  events.emit({FormEventKind::Hidden});
}

Control& Form::addControl(std::string name, ControlKind kind, ControlInit init) {
  auto control = std::make_unique<Control>(*this, name, kind, -1, std::move(init));
  Control& ref = *control;
  order_.push_back(name);
  design_.push_back({&ref, nullptr});
  singles_.emplace(std::move(name), std::move(control));
  resolved_.clear();
  return ref;
}

Control& Form::addCaptionedField(const CaptionedField& row, const CaptionedPlace& at,
                                 const std::string& container) {
  addControl(row.label, ControlKind::Label, captionOf(row, at, container));
  return addControl(row.field, ControlKind::TextBox, fieldOf(row, at, container));
}

void Form::addCaptionedColumn(std::span<const ColumnRow> rows, const CaptionedColumn& column,
                              const std::string& container) {
  for (const ColumnRow& row : rows) addCaptionedField(row.names, column.at(row.top), container);
}

ControlArray& Form::addArray(std::string name, ControlKind kind, ControlInit init, int firstIndex) {
  auto array = std::make_unique<ControlArray>(*this, name, kind);
  ControlArray& ref = *array;
  order_.push_back(name);
  design_.push_back({nullptr, &ref});
  arrays_.emplace(std::move(name), std::move(array));
  resolved_.clear();
  ref.load(firstIndex, std::move(init));
  return ref;
}

Form::Resolved Form::resolve(std::string_view name) const {
  if (const Resolved* known = resolved_.find(name)) return *known;
  Resolved found;
  if (auto it = singles_.find(name); it != singles_.end()) found.single = it->second.get();
  if (auto it = arrays_.find(name); it != arrays_.end()) found.array = it->second.get();
  if (!name.empty()) resolved_.remember(name, found);
  return found;
}

const Control* Form::find(std::string_view name, int index) const {
  const Resolved found = resolve(name);
  if (index < 0) return found.single;
  return found.array ? found.array->at(index) : nullptr;
}

Control* Form::find(std::string_view name, int index) {
  return const_cast<Control*>(std::as_const(*this).find(name, index));
}

const Control& Form::control(std::string_view name, int index) const {
  if (const Control* control = find(name, index)) return *control;
  // a missing row of an existing array is where a recalculation runs past
  // the table: it stops there like any arithmetic error
  if (index >= 0 && findArray(name)) throw RecalcAbort("control array element does not exist");
  std::string what = name_ + " has no control " + std::string(name);
  if (index >= 0) what += "(" + std::to_string(index) + ")";
  throw ProgrammingError(what);
}

Control& Form::control(std::string_view name, int index) {
  return const_cast<Control&>(std::as_const(*this).control(name, index));
}

const ControlArray* Form::findArray(std::string_view name) const {
  return resolve(name).array;
}

ControlArray* Form::findArray(std::string_view name) {
  return const_cast<ControlArray*>(std::as_const(*this).findArray(name));
}

const ControlArray& Form::array(std::string_view name) const {
  if (const ControlArray* array = findArray(name)) return *array;
  throw ProgrammingError(name_ + " has no control array " + std::string(name));
}

ControlArray& Form::array(std::string_view name) {
  return const_cast<ControlArray&>(std::as_const(*this).array(name));
}

std::vector<std::string> Form::names() const {
  return order_;
}

std::vector<const Control*> Form::allControls() const {
  std::vector<const Control*> out;
  out.reserve(design_.size());
  for (const DesignEntry& entry : design_) {
    if (entry.single) {
      out.push_back(entry.single);
      continue;
    }
    entry.array->forEachElement([&out](const Control& element) { out.push_back(&element); });
  }
  return out;
}

std::vector<Control*> Form::allControls() {
  std::vector<Control*> out;
  for (const Control* control : std::as_const(*this).allControls())
    out.push_back(const_cast<Control*>(control));
  return out;
}

void Form::on(EventKind kind, std::string name, Reaction reaction) {
  reactions_[std::move(name)][static_cast<size_t>(kind)] =
      std::make_shared<const Reaction>(std::move(reaction));
  reactionsOf_.clear();
}

void Form::on(EventKind kind, std::initializer_list<const char*> names, const Reaction& reaction) {
  for (const char* name : names) on(kind, name, reaction);
}

bool Form::hasReaction(EventKind kind, std::string_view name) const {
  auto it = reactions_.find(name);
  return it != reactions_.end() && it->second[static_cast<size_t>(kind)] != nullptr;
}

namespace {
void setContentOf(Form& form, std::initializer_list<const char*> names, Control::Content content) {
  for (const char* name : names) {
    if (ControlArray* rows = form.findArray(name)) {
      rows->setContent(content);
      continue;
    }
    form.control(name).setContent(content);
  }
}
}  // namespace

void Form::holdsText(std::initializer_list<const char*> names) {
  setContentOf(*this, names, Control::Content::Text);
}

void Form::holdsWords(std::initializer_list<const char*> names) {
  setContentOf(*this, names, Control::Content::Words);
}

void Form::holdsSignedQuantity(std::initializer_list<const char*> names) {
  setContentOf(*this, names, Control::Content::SignedQuantity);
}

void Form::holdsRailQuantity(std::initializer_list<const char*> names) {
  setContentOf(*this, names, Control::Content::RailQuantity);
}

std::vector<std::string> Form::reactionNames() const {
  std::vector<std::string> names;
  for (const auto& entry : reactions_)
    for (const auto& reaction : entry.second)
      if (reaction) {
        names.push_back(entry.first);
        break;
      }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

void Form::react(EventKind kind, Control& source, const EventArgs& args) {
  if (workspace_.quiet()) return;
  const Reactions* reactions = nullptr;
  if (const Reactions* const* known = reactionsOf_.find(source.name())) {
    reactions = *known;
  } else {
    auto it = reactions_.find(source.name());
    if (it != reactions_.end()) reactions = &it->second;
    reactionsOf_.remember(source.name(), reactions);
  }
  if (!reactions || !(*reactions)[static_cast<size_t>(kind)]) return;
  workspace_.enterReaction();
  ScopeExit leave([this] { workspace_.leaveReaction(); });
  // a reaction may replace the table entry: hold on to the one that runs
  const std::shared_ptr<const Reaction> reaction = (*reactions)[static_cast<size_t>(kind)];
  (*reaction)(source, args);
}

namespace {

// How the "编辑" menu names a step: what the user did, and to what.
StepCause typingCause(const Control& control) {
  return {fieldStepName(control, step_verbs::kType),
          control.form().name() + "." + control.address()};
}

StepCause cause(const char* verb, const Control& control) {
  return {fieldStepName(control, verb), {}};
}

// A click: a command says its caption, a check box that it is ticked or
// cleared, an option that it is chosen.
StepCause clickCause(const Control& control) {
  switch (control.kind()) {
    case ControlKind::CheckBox:
      return cause(control.value() == 1 ? step_verbs::kClear : step_verbs::kTick, control);
    case ControlKind::OptionButton:
      return cause(step_verbs::kChoose, control);
    case ControlKind::CommandButton:
    case ControlKind::MenuItem:
      return cause("", control);
    default:
      return cause(step_verbs::kClick, control);
  }
}

}  // namespace

std::string Form::shownCaption(const Control& control, const Translator& translator) const {
  return translateComposed(translator, name(), control.caption());
}

void Form::userSetText(Control& control, std::string text) {
  workspace_.runStep(typingCause(control), [&] {
    control.markNextTextTyped();
    control.setText(std::move(text));
  });
}

void Form::userType(Control& control, std::string_view characters) {
  workspace_.runStep(typingCause(control), [&] {
    workspace_.runEvent([&] {
      if (focused_ != &control) setFocus(control);
    });
    for (const std::string& ch : utf8::characters(characters)) {
      workspace_.runEvent([&] {
        keyPressed(control, ch);
        std::string text = control.wholeTextSelected() ? ch : control.text() + ch;
        control.setWholeTextSelected(false);
        control.markNextTextTyped();
        control.setText(std::move(text));
      });
    }
  });
}

void Form::keyPressed(Control& control, std::string_view character) {
  EventArgs args;
  args.keyChar = std::string(character);
  react(EventKind::KeyPress, control, args);
}

void Form::userKeyPress(Control& control, std::string_view character) {
  workspace_.runStep(typingCause(control), [&] { keyPressed(control, character); });
}

void Form::userKey(Control& control, int keyCode) {
  workspace_.runStep(cause(keyCode == 13 ? step_verbs::kEnter : step_verbs::kKey, control), [&] {
    EventArgs args;
    args.keyCode = keyCode;
    react(EventKind::KeyDown, control, args);
    if (keyCode == 13) react(EventKind::Enter, control, args);
  });
}

void Form::userClick(Control& control) {
  workspace_.runStep(clickCause(control), [&] {
    switch (control.kind()) {
      case ControlKind::CheckBox:
        control.setValue(control.value() == 1 ? 0 : 1);
        break;
      case ControlKind::OptionButton:
        if (!control.setValue(1)) react(EventKind::Click, control);
        break;
      default:
        react(EventKind::Click, control);
    }
  });
}

void Form::userDblClick(Control& control) {
  workspace_.runStep(cause(step_verbs::kDoubleClick, control),
                     [&] { react(EventKind::DblClick, control); });
}

void Form::userChoose(Control& control, int index) {
  workspace_.runStep(cause(step_verbs::kChoose, control), [&] {
    // choosing the item already shown still reports the choice
    if (!control.setListIndex(index) && index == control.listIndex())
      react(EventKind::Choose, control);
  });
}

void Form::userFocus(Control& control) {
  workspace_.runStep(cause(step_verbs::kFocus, control), [&] { setFocus(control); });
}

// a tick is the clock's doing, not the user's: what it writes is no change
// to the design
void Form::tick(Control& timer) {
  workspace_.runUntracked([&] { react(EventKind::Tick, timer); });
}

void Form::setFocus(Control& control) {
  focused_ = &control;
  control.setWholeTextSelected(true);
  events.emit({FormEventKind::Focus, &control});
  react(EventKind::GotFocus, control);
}

void Form::rowAdded(const std::string& array, Control& control) {
  workspace_.noteDesignChange(*this);
  events.emit({FormEventKind::RowAdded, &control, array, control.index()});
}

void Form::rowRemoved(const std::string& array, int index, Control* control) {
  if (focused_ == control) focused_ = nullptr;
  workspace_.noteDesignChange(*this);
  events.emit({FormEventKind::RowRemoved, control, array, index});
}

void Form::tickChange(Control& control) {
  control.changeTick_ = changeTick_ = workspace_.nextChangeTick();
}

void Form::tickChange() {
  changeTick_ = workspace_.nextChangeTick();
}

void Form::controlChanged(Control& control, Property property) {
  tickChange(control);
  switch (property) {
    case Property::Text:
    case Property::Caption:
    case Property::Value:
    case Property::Items:
    case Property::ListIndex:
      workspace_.noteDesignChange(*this);
      break;
    default:
      break;  // appearance only
  }
}

void Form::settleDesignTime() {
  designTimeCaption_ = caption_;
  for (auto& [name, control] : singles_) control->designTime_ = control->design();
  for (auto& [name, rows] : arrays_) rows->settleDesignTime();
}

void Form::restoreVisibility(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  events.emit({visible ? FormEventKind::Shown : FormEventKind::Hidden});
}

void Form::keep(std::string name, std::function<MemberValue()> get,
                std::function<bool(const MemberValue&)> set) {
  kept_.push_back({std::move(name), std::move(get), std::move(set)});
}

void Form::keep(std::string name, int& member, int lowest, int highest) {
  keep(
      std::move(name), [&member] { return MemberValue(member); },
      [&member, lowest, highest](const MemberValue& value) {
        const int* number = std::get_if<int>(&value);
        if (!number || *number < lowest || *number > highest) return false;
        member = *number;
        return true;
      });
}

void Form::keep(std::string name, double& member) {
  keep(
      std::move(name), [&member] { return MemberValue(member); },
      [&member](const MemberValue& value) {
        if (const double* number = std::get_if<double>(&value)) {
          member = *number;
          return true;
        }
        // a whole number written without a decimal point
        if (const int* number = std::get_if<int>(&value)) {
          member = *number;
          return true;
        }
        return false;
      });
}

void Form::keep(std::string name, bool& member) {
  keep(
      std::move(name), [&member] { return MemberValue(member); },
      [&member](const MemberValue& value) {
        const bool* flag = std::get_if<bool>(&value);
        if (!flag) return false;
        member = *flag;
        return true;
      });
}

void Form::optionSelected(Control& option) {
  for (Control* other : allControls()) {
    if (other == &option || other->kind() != ControlKind::OptionButton) continue;
    if (other->group() != option.group() || other->container() != option.container()) continue;
    if (other->value() != 0) {
      other->value_ = 0;  // the exclusion itself raises no click
      other->notify(Property::Value);
    }
  }
}

}  // namespace corvane
