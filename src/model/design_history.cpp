#include "model/design_history.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <set>
#include <tuple>
#include <variant>

#include "model/form.h"
#include "model/workspace.h"

namespace corvane {

namespace {

// Bit for bit: a kept number that is not a number still equals itself, so
// an unchanged member never counts as a change.
bool sameNumber(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameMember(const MemberValue& a, const MemberValue& b) {
  if (a.index() != b.index()) return false;
  if (const double* number = std::get_if<double>(&a))
    return sameNumber(*number, std::get<double>(b));
  return a == b;
}

bool sameMembers(const std::vector<MemberValue>& a, const std::vector<MemberValue>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameMember);
}

bool sameShared(const SharedValue& a, const SharedValue& b) {
  return a.kind() == b.kind() && sameNumber(a.storedNumber(), b.storedNumber()) &&
         a.storedText() == b.storedText() && a.reference() == b.reference();
}

bool sameShared(const SharedValues& a, const SharedValues& b) {
  for (size_t i = 0; i < SharedValues::count(); ++i)
    if (!sameShared(a.at(i), b.at(i))) return false;
  return sameNumber(a.wireInsulation, b.wireInsulation);
}

// A picture's drawing on demand is taken as it stands for the history,
// drawn for a whole image that is compared with others.
enum class Drawings { Drawn, AsTheyStand };

ControlImage imageOf(const Control& control, Drawings drawings = Drawings::Drawn) {
  return {drawings == Drawings::Drawn ? control.design() : control.undrawnDesign(),
          control.toolTip()};
}

FormImage wholeImage(const Form& form, Drawings drawings = Drawings::Drawn) {
  FormImage image;
  image.caption = form.caption();
  image.visible = form.visible();
  std::vector<MemberValue> members;
  for (const KeptMember& member : form.keptMembers()) members.push_back(member.get());
  image.members = std::move(members);
  for (const std::string& name : form.names())
    if (const ControlArray* array = form.findArray(name)) image.rows[name] = array->indices();
  for (const Control* control : form.allControls())
    image.controls.emplace(ControlKey{control->name(), control->index()},
                           imageOf(*control, drawings));
  return image;
}

// The parts of two whole images of one form that differ, or false when
// none does.
bool formDifference(const FormImage& before, const FormImage& after, FormImage& was,
                    FormImage& is) {
  bool differs = false;
  if (before.caption != after.caption) {
    was.caption = before.caption;
    is.caption = after.caption;
    differs = true;
  }
  if (before.visible != after.visible) {
    was.visible = before.visible;
    is.visible = after.visible;
    differs = true;
  }
  if (!sameMembers(*before.members, *after.members)) {
    was.members = before.members;
    is.members = after.members;
    differs = true;
  }
  for (const auto& [name, rows] : after.rows) {
    auto old = before.rows.find(name);
    if (old != before.rows.end() && old->second == rows) continue;
    if (old != before.rows.end()) was.rows[name] = old->second;
    is.rows[name] = rows;
    differs = true;
  }
  // both walks go in key order: one merge pass finds every control that
  // changed, came or went
  auto a = before.controls.begin();
  auto b = after.controls.begin();
  while (a != before.controls.end() || b != after.controls.end()) {
    if (b == after.controls.end() || (a != before.controls.end() && a->first < b->first)) {
      was.controls.insert(*a++);
      differs = true;
    } else if (a == before.controls.end() || b->first < a->first) {
      is.controls.insert(*b++);
      differs = true;
    } else {
      if (!(a->second == b->second)) {
        was.controls.insert(*a);
        is.controls.insert(*b);
        differs = true;
      }
      ++a;
      ++b;
    }
  }
  return differs;
}

// `part` laid over a whole image: the whole image it describes.
DesignImage overlaid(DesignImage whole, const DesignImage& part) {
  for (const auto& [name, form] : part.forms) {
    if (!form.exists) {
      whole.forms.erase(name);
      continue;
    }
    auto it = whole.forms.find(name);
    if (it == whole.forms.end()) {
      whole.forms[name] = form;  // a form created or closed is held whole
      continue;
    }
    FormImage& target = it->second;
    if (form.caption) target.caption = form.caption;
    if (form.visible) target.visible = form.visible;
    if (form.members) target.members = form.members;
    for (const auto& [array, rows] : form.rows) target.rows[array] = rows;
    for (const auto& [key, control] : form.controls) target.controls[key] = control;
    // the rows an array no longer has go with their controls
    std::erase_if(target.controls, [&target](const auto& entry) {
      if (entry.first.second < 0) return false;
      auto rows = target.rows.find(entry.first.first);
      return rows != target.rows.end() && std::find(rows->second.begin(), rows->second.end(),
                                                    entry.first.second) == rows->second.end();
    });
  }
  if (part.order) whole.order = part.order;
  if (part.active) whole.active = part.active;
  if (part.shared) whole.shared = part.shared;
  return whole;
}

void matchRows(Form& form, const FormImage& image) {
  for (const auto& [name, wanted] : image.rows) {
    ControlArray* array = form.findArray(name);
    if (!array || array->indices() == wanted) continue;
    for (int index : array->indices())
      if (std::find(wanted.begin(), wanted.end(), index) == wanted.end()) array->unload(index);
    for (int index : wanted) array->loadDesignTimeRow(index);
  }
}

// Makes the form agree with its whole image, touching only what differs.
void putBack(Form& form, const FormImage& image) {
  if (image.caption) form.setCaption(*image.caption);
  if (image.members) {
    const std::vector<KeptMember>& kept = form.keptMembers();
    for (size_t i = 0; i < kept.size() && i < image.members->size(); ++i)
      if (!sameMember(kept[i].get(), (*image.members)[i])) kept[i].set((*image.members)[i]);
  }
  matchRows(form, image);
  for (Control* control : form.allControls()) {
    auto it = image.controls.find({control->name(), control->index()});
    if (it == image.controls.end()) continue;
    const ControlImage& wanted = it->second;
    if (!(control->design() == wanted.design)) control->restoreDesign(wanted.design);
    if (control->toolTip() != wanted.toolTip) control->setToolTip(wanted.toolTip);
  }
  if (image.visible) form.restoreVisibility(*image.visible);
}

std::size_t textBytes(const std::string& text) {
  return sizeof(std::string) + (text.size() > 15 ? text.capacity() : 0);
}

std::size_t memberBytes(const MemberValue& value) {
  std::size_t bytes = sizeof(MemberValue);
  if (const auto* text = std::get_if<std::string>(&value)) bytes += textBytes(*text);
  if (const auto* table = std::get_if<TextTable>(&value))
    for (const auto& row : *table)
      for (const std::string& cell : row) bytes += textBytes(cell);
  return bytes;
}

std::size_t controlBytes(const ControlKey& key, const ControlImage& image) {
  // a node of the map: its key, value and links
  std::size_t bytes = 4 * sizeof(void*) + textBytes(key.first) + sizeof(ControlImage);
  const ControlDesign& design = image.design;
  bytes += textBytes(design.text) + textBytes(design.caption) + textBytes(image.toolTip);
  for (const std::string& item : design.items) bytes += textBytes(item);
  bytes += design.picture.ops.capacity() * sizeof(DrawOp);
  return bytes;
}

}  // namespace

bool emptyPart(const DesignImage& part) {
  return part.forms.empty() && !part.order && !part.active && !part.shared;
}

namespace {

DesignImage imageOfDesign(const Workspace& workspace, Drawings drawings) {
  DesignImage image;
  std::vector<std::string> order;
  for (const Form* form : workspace.existingForms()) {
    if (!workspace.goesWithDesign(form->name())) continue;
    image.forms.emplace(form->name(), wholeImage(*form, drawings));
    order.push_back(form->name());
  }
  image.order = std::move(order);
  // the program's own windows are no part of the design
  const Form* active = workspace.activeForm();
  image.active =
      active && workspace.goesWithDesign(active->name()) ? active->name() : std::string();
  image.shared = std::make_shared<const SharedValues>(workspace.shared());
  return image;
}

}  // namespace

DesignImage captureImage(const Workspace& workspace) {
  return imageOfDesign(workspace, Drawings::Drawn);
}

bool sameImage(const DesignImage& a, const DesignImage& b) {
  return emptyPart(imageDifference(a, b).second) && emptyPart(imageDifference(b, a).second);
}

std::pair<DesignImage, DesignImage> imageDifference(const DesignImage& before,
                                                    const DesignImage& after) {
  DesignImage was, is;
  for (const auto& [name, form] : before.forms)
    if (!after.forms.count(name)) {
      was.forms[name] = form;
      is.forms[name].exists = false;
    }
  for (const auto& [name, form] : after.forms) {
    auto old = before.forms.find(name);
    if (old == before.forms.end()) {
      was.forms[name].exists = false;
      is.forms[name] = form;
      continue;
    }
    FormImage formWas, formIs;
    if (formDifference(old->second, form, formWas, formIs)) {
      was.forms[name] = std::move(formWas);
      is.forms[name] = std::move(formIs);
    }
  }
  if (before.order != after.order) {
    was.order = before.order;
    is.order = after.order;
  }
  if (before.active != after.active) {
    was.active = before.active;
    is.active = after.active;
  }
  if (!sameShared(*before.shared, *after.shared)) {
    was.shared = before.shared;
    is.shared = after.shared;
  }
  return {std::move(was), std::move(is)};
}

std::size_t imageBytes(const DesignImage& image) {
  std::size_t bytes = sizeof(DesignImage);
  for (const auto& [name, form] : image.forms) {
    bytes += 4 * sizeof(void*) + textBytes(name) + sizeof(FormImage);
    if (form.caption) bytes += textBytes(*form.caption);
    if (form.members)
      for (const MemberValue& member : *form.members) bytes += memberBytes(member);
    for (const auto& [array, rows] : form.rows)
      bytes += 4 * sizeof(void*) + textBytes(array) + rows.capacity() * sizeof(int);
    for (const auto& [key, control] : form.controls) bytes += controlBytes(key, control);
  }
  if (image.order)
    for (const std::string& name : *image.order) bytes += textBytes(name);
  if (image.active) bytes += textBytes(*image.active);
  if (image.shared) bytes += sizeof(SharedValues);
  return bytes;
}

// ---------------------------------------------------------------- history

DesignHistory::DesignHistory(Workspace& workspace) : workspace_(workspace) {}

std::string DesignHistory::undoWhat() const {
  return canUndo() ? stepText(steps_[position_ - 1].name) : std::string();
}

const StepName* DesignHistory::undoName() const {
  return canUndo() ? &steps_[position_ - 1].name : nullptr;
}

const StepName* DesignHistory::redoName() const {
  return canRedo() ? &steps_[position_].name : nullptr;
}

std::string DesignHistory::redoWhat() const {
  return canRedo() ? stepText(steps_[position_].name) : std::string();
}

std::size_t DesignHistory::lastStepBytes() const {
  if (steps_.empty()) return 0;
  const Step& step = steps_.back();
  return sizeof(Step) + step.name.verb.size() + step.name.context.size() + step.name.label.size() +
         imageBytes(step.before) + imageBytes(step.after);
}

void DesignHistory::catchUp(DesignImage* was, DesignImage* is) {
  const unsigned long long now = workspace_.changeTicks();
  if (!looked_) {
    design_ = imageOfDesign(workspace_, Drawings::AsTheyStand);
    lookedAt_ = now;
    looked_ = true;
    return;
  }
  const unsigned long long since = lookedAt_;
  lookedAt_ = now;
  std::vector<std::string> order;
  for (const Form* form : workspace_.existingForms()) {
    if (!workspace_.goesWithDesign(form->name())) continue;
    order.push_back(form->name());
    auto known = design_.forms.find(form->name());
    if (known != design_.forms.end()) {
      catchUpForm(*form, known->second, since, was, is);
      continue;
    }
    FormImage whole = wholeImage(*form, Drawings::AsTheyStand);
    if (was) {
      was->forms[form->name()].exists = false;
      is->forms[form->name()] = whole;
    }
    design_.forms.emplace(form->name(), std::move(whole));
  }
  for (auto known = design_.forms.begin(); known != design_.forms.end();) {
    if (std::find(order.begin(), order.end(), known->first) != order.end()) {
      ++known;
      continue;
    }
    if (was) {
      is->forms[known->first].exists = false;
      was->forms[known->first] = std::move(known->second);
    }
    known = design_.forms.erase(known);
  }
  if (*design_.order != order) {
    if (was) {
      was->order = design_.order;
      is->order = order;
    }
    design_.order = std::move(order);
  }
  const Form* activeForm = workspace_.activeForm();
  std::string active = activeForm && workspace_.goesWithDesign(activeForm->name())
                           ? activeForm->name()
                           : std::string();
  if (*design_.active != active) {
    if (was) {
      was->active = design_.active;
      is->active = active;
    }
    design_.active = std::move(active);
  }
  if (!sameShared(*design_.shared, workspace_.shared())) {
    if (was) was->shared = design_.shared;
    design_.shared = std::make_shared<const SharedValues>(workspace_.shared());
    if (was) is->shared = design_.shared;
  }
}

// The form as the history knew it brought up to date: the form's own
// properties and rows are compared every time, its controls only when one
// ticked since `since`.
void DesignHistory::catchUpForm(const Form& form, FormImage& known, unsigned long long since,
                                DesignImage* was, DesignImage* is) {
  FormImage formWas, formIs;
  bool differs = false;
  if (*known.caption != form.caption()) {
    formWas.caption = std::move(known.caption);
    formIs.caption = form.caption();
    known.caption = form.caption();
    differs = true;
  }
  if (*known.visible != form.visible()) {
    formWas.visible = known.visible;
    formIs.visible = form.visible();
    known.visible = form.visible();
    differs = true;
  }
  std::vector<MemberValue> members;
  members.reserve(form.keptMembers().size());
  for (const KeptMember& member : form.keptMembers()) members.push_back(member.get());
  if (!sameMembers(*known.members, members)) {
    formWas.members = std::move(known.members);
    formIs.members = members;
    known.members = std::move(members);
    differs = true;
  }
  // rows come and go only with a tick of the form
  if (form.changeTick() <= since) {
    if (differs && was) {
      was->forms[form.name()] = std::move(formWas);
      is->forms[form.name()] = std::move(formIs);
    }
    return;
  }
  std::vector<const ControlArray*> rowsChanged;
  form.forEachArray([&](const ControlArray& array) {
    std::vector<int>& rows = known.rows[array.name()];
    size_t row = 0;
    bool same = true;
    array.forEachElement([&](const Control& element) {
      same = same && row < rows.size() && rows[row] == element.index();
      ++row;
    });
    if (same && row == rows.size()) return;
    formWas.rows[array.name()] = rows;
    rows = array.indices();
    formIs.rows[array.name()] = rows;
    rowsChanged.push_back(&array);
    differs = true;
  });
  // the controls of rows that went go with them
  if (!rowsChanged.empty())
    for (auto control = known.controls.begin(); control != known.controls.end();) {
      const auto& [name, index] = control->first;
      const bool gone =
          index >= 0 &&
          std::any_of(rowsChanged.begin(), rowsChanged.end(), [&](const ControlArray* array) {
            return array->name() == name && !array->has(index);
          });
      if (!gone) {
        ++control;
        continue;
      }
      formWas.controls.insert(*control);
      control = known.controls.erase(control);
    }
  form.forEachControl([&](const Control& control) {
    if (control.changeTick() <= since) return;
    ControlImage now = imageOf(control, Drawings::AsTheyStand);
    ControlKey key{control.name(), control.index()};
    auto old = known.controls.find(key);
    if (old == known.controls.end()) {
      formIs.controls.emplace(key, now);
      known.controls.emplace(std::move(key), std::move(now));
      differs = true;
      return;
    }
    if (old->second == now) return;
    formWas.controls.emplace(key, std::move(old->second));
    formIs.controls.emplace(std::move(key), now);
    old->second = std::move(now);
    differs = true;
  });
  if (differs && was) {
    was->forms[form.name()] = std::move(formWas);
    is->forms[form.name()] = std::move(formIs);
  }
}

void DesignHistory::beginStep(const StepCause& cause) {
  catchUp();
  recording_ = Recording{cause, workspace_.designRevision()};
}

void DesignHistory::nameStep(const StepCause& cause) {
  if (recording_ && recording_->cause.name.empty()) recording_->cause = cause;
}

void DesignHistory::endStep() {
  if (!recording_) return;
  Recording recording = std::move(*recording_);
  recording_.reset();
  const std::string& into = recording.cause.typingInto;
  const bool continuesTyping = !into.empty() && typing_ && typing_->into == into;
  if (!continuesTyping) typing_.reset();
  if (!into.empty() && !continuesTyping) typing_ = Typing{into, recording.revision};
  DesignImage was, is;
  catchUp(&was, &is);
  if (continuesTyping && typing_->recorded) {
    // the keys typed so far and this one are one step: the design before the
    // first key is the one now with this key's and the earlier keys' changes
    // taken back
    const DesignImage before = overlaid(overlaid(design_, was), steps_.back().before);
    std::tie(was, is) = imageDifference(before, design_);
    if (emptyPart(is)) {
      // typed back to what the field held: nothing to undo
      steps_.pop_back();
      --position_;
      typing_->recorded = false;
    } else {
      steps_.back() = {recording.cause.name, std::move(was), std::move(is), typing_->revision,
                       workspace_.designRevision()};
    }
    ++records_;
    changed.emit();
    return;
  }
  if (emptyPart(is)) {
    // an event whose cascade came back to the same design (a key that
    // changed nothing yet starts the step with the next) may still have
    // counted changes: this position of the history stands for the revision
    // now, so a save made here is found again by undo and redo
    const unsigned long long revision = workspace_.designRevision();
    if (position_ > 0) steps_[position_ - 1].revisionAfter = revision;
    if (position_ < steps_.size()) steps_[position_].revisionBefore = revision;
    return;
  }
  if (typing_) typing_->recorded = true;
  steps_.resize(position_);
  steps_.push_back({recording.cause.name.empty() ? anyEditStep() : recording.cause.name,
                    std::move(was), std::move(is), recording.revision,
                    workspace_.designRevision()});
  position_ = steps_.size();
  ++records_;
  changed.emit();
}

void DesignHistory::clear() {
  recording_.reset();
  typing_.reset();
  ++records_;
  if (steps_.empty()) return;
  steps_.clear();
  position_ = 0;
  changed.emit();
}

void DesignHistory::restore(const DesignImage& part, unsigned long long revision) {
  // a step's restore runs outside any step: what it writes is no step
  recording_.reset();
  typing_.reset();
  catchUp();
  const DesignImage target = overlaid(design_, part);
  workspace_.runQuietly([&] {
    for (Form* form : workspace_.existingForms())
      if (workspace_.goesWithDesign(form->name()) && !target.forms.count(form->name()))
        workspace_.close(form->name());
    // a form created again loads as at first use, and its load may write into
    // forms put back before it: every form is put back once all exist
    for (const std::string& name : *target.order) workspace_.form(name);
    for (const auto& [name, image] : target.forms)
      if (Form* form = workspace_.existing(name)) putBack(*form, image);
    workspace_.restoreCreationOrder(*target.order);
    workspace_.shared() = *target.shared;
    if (!target.active->empty())
      workspace_.restoreActive(workspace_.existing(*target.active));
    else if (const Form* active = workspace_.activeForm();
             active && workspace_.goesWithDesign(active->name()))
      workspace_.restoreActive(nullptr);
  });
  workspace_.restoreRevision(revision);
}

bool DesignHistory::undo() {
  if (!canUndo()) return false;
  --position_;
  restore(steps_[position_].before, steps_[position_].revisionBefore);
  changed.emit();
  return true;
}

bool DesignHistory::redo() {
  if (!canRedo()) return false;
  restore(steps_[position_].after, steps_[position_].revisionAfter);
  ++position_;
  changed.emit();
  return true;
}

}  // namespace corvane
