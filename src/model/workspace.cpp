#include "model/workspace.h"

#include <algorithm>

#include <stdexcept>
#include <utility>
#include <vector>

#include "model/design_history.h"
#include "model/design_session.h"
#include "model/programming_error.h"
#include "model/scope_exit.h"
#include "model/value.h"

namespace corvane {

Workspace::Workspace(Host& host)
    : host_(host),
      session_(std::make_unique<DesignSession>(*this)),
      history_(std::make_unique<DesignHistory>(*this)) {}

Workspace::~Workspace() {
  // forms may read each other while they go; drop them in reverse creation order
  active_ = nullptr;
  // a form that reads another while it goes must not find one already gone
  remembersForms_ = false;
  forms_.clear();
  disposed_.clear();
}

void Workspace::registerForm(const std::string& name, Factory factory, FormRole role) {
  if (!factories_.count(name)) order_.push_back(name);
  factories_[name] = {std::move(factory), role};
}

void Workspace::registerFormsOf(const Workspace& other) {
  for (const std::string& name : other.order_) {
    const Registration& registration = other.factories_.find(name)->second;
    registerForm(name, registration.factory, registration.role);
  }
  for (const auto& [name, command] : other.commands_) commands_[name] = command;
  for (const auto& [name, field] : other.links_) links_[name] = field;
}

void Workspace::registerCommand(const std::string& name, Command command) {
  commands_[name] = std::move(command);
}

bool Workspace::runCommand(std::string_view name) {
  auto it = commands_.find(name);
  if (it == commands_.end()) return false;
  // a copy: the command may register commands itself
  Command command = it->second;
  command();
  return true;
}

bool Workspace::knowsCommand(std::string_view name) const {
  return commands_.find(name) != commands_.end();
}

void Workspace::registerFieldLinks(const std::string& form, std::span<const LinkedField> fields) {
  for (const LinkedField& field : fields) links_[field.link] = {form, field.control};
}

const Workspace::FieldLink& Workspace::fieldLink(std::string_view link) const {
  auto it = links_.find(link);
  if (it == links_.end()) throw ProgrammingError("no form offers the field " + std::string(link));
  return it->second;
}

Control& Workspace::linkedField(std::string_view link) {
  const FieldLink& target = fieldLink(link);
  return field(target.form, target.control);
}

Control* Workspace::linkedFieldIfOpen(std::string_view link) {
  const FieldLink& target = fieldLink(link);
  Form* open = existing(target.form);
  return open ? &open->control(target.control) : nullptr;
}

bool Workspace::knowsForm(std::string_view name) const {
  return factories_.find(name) != factories_.end();
}

bool Workspace::holdsDesign(std::string_view name) const {
  auto it = factories_.find(name);
  return it != factories_.end() && it->second.role == FormRole::Design;
}

bool Workspace::goesWithDesign(std::string_view name) const {
  auto it = factories_.find(name);
  return it != factories_.end() && it->second.role != FormRole::Program;
}

std::vector<std::string> Workspace::formNames() const {
  return order_;
}

Form* Workspace::existing(std::string_view name) const {
  if (remembersForms_)
    if (Form* const* known = formsByName_.find(name)) return *known;
  auto it = forms_.find(name);
  Form* found = it == forms_.end() ? nullptr : it->second.get();
  if (remembersForms_ && !name.empty()) formsByName_.remember(name, found);
  return found;
}

std::vector<Form*> Workspace::existingForms() const {
  std::vector<Form*> out;
  for (const std::string& name : creationOrder_) out.push_back(existing(name));
  return out;
}

void Workspace::restoreCreationOrder(const std::vector<std::string>& names) {
  std::vector<std::string> order;
  for (const std::string& name : names)
    if (std::find(creationOrder_.begin(), creationOrder_.end(), name) != creationOrder_.end() &&
        std::find(order.begin(), order.end(), name) == order.end())
      order.push_back(name);
  for (const std::string& name : creationOrder_)
    if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
  creationOrder_ = std::move(order);
}

Form& Workspace::form(std::string_view name) {
  if (Form* form = existing(name)) return *form;
  auto registration = factories_.find(name);
  if (registration == factories_.end()) throw ProgrammingError("unknown form " + std::string(name));
  // a constructor builds the design-time state a saved design is compared
  // with: read from another form, it would differ from one run to the next
  if (building_ > 0)
    throw ProgrammingError("form " + std::string(name) + " reached while another form is built");
  // a form comes into being with its defaults: nothing it writes meanwhile
  // is a change to the design, and it loads with its reactions even while a
  // saved design is being put back
  ++untrackedDepth_;
  const int quietBefore = std::exchange(quietDepth_, 0);
  ScopeExit restore([this, quietBefore] {
    --untrackedDepth_;
    quietDepth_ = quietBefore;
  });
  std::unique_ptr<Form> created;
  {
    ++building_;
    ScopeExit built([this] { --building_; });
    created = registration->second.factory(*this);
  }
  created->holdsDesign_ = registration->second.role == FormRole::Design;
  Form& ref = *created;
  // what the constructor built is the design time a saved design compares with
  ref.settleDesignTime();
  forms_.emplace(std::string(name), std::move(created));
  formsByName_.clear();
  creationOrder_.emplace_back(name);
  formCreated.emit(ref);
  // the load step is an event of its own: an arithmetic error stops the load
  // but the form exists with what it set so far
  runEvent([&] { ref.load(); });
  return ref;
}

Control& Workspace::field(std::string_view formName, std::string_view name, int row) {
  return form(formName).control(name, row);
}

void Workspace::close(std::string_view name) {
  auto it = forms_.find(name);
  if (it == forms_.end()) return;
  std::string key = it->first;
  noteDesignChange(*it->second);
  it->second->hide();
  deactivate(*it->second);
  std::erase(creationOrder_, key);
  disposed_.push_back(std::move(it->second));
  forms_.erase(it);
  formsByName_.clear();
  formClosed.emit(key);
  if (eventDepth_ == 0) disposed_.clear();
}

void Workspace::activate(Form& form) {
  if (active_ == &form) return;
  active_ = &form;
  activeChanged.emit();
  if (quiet()) return;
  runEvent([&] { form.activated(); });
}

void Workspace::restoreActive(Form* form) {
  if (active_ == form) return;
  active_ = form;
  activeChanged.emit();
}

void Workspace::deactivate(const Form& form) {
  if (active_ != &form) return;
  active_ = nullptr;
  activeChanged.emit();
}

void Workspace::runEvent(const std::function<void()>& action) {
  // restored however the action ends: a programming error passes through
  // this boundary and must not leave the nesting counts behind
  ++eventDepth_;
  ScopeExit depths([this, reactionsBefore = reactionDepth_] {
    reactionDepth_ = reactionsBefore;
    if (--eventDepth_ == 0) disposed_.clear();
  });
  try {
    action();
  } catch (const RecalcAbort&) {
    // the recalculation stops here; what it wrote stays
  }
}

void Workspace::noteDesignChange(const Form& form) {
  if (!form.holdsDesign() || untrackedDepth_ > 0 || quietDepth_ > 0) return;
  revision_ = ++lastRevision_;
  designChanged.emit();
}

void Workspace::restoreRevision(unsigned long long revision) {
  if (revision == revision_) return;
  revision_ = revision;
  designChanged.emit();
}

void Workspace::runStep(const StepCause& cause, const std::function<void()>& action) {
  if (stepping_) history_->nameStep(cause);
  if (!keepsHistory_ || stepping_ || eventDepth_ > 0 || quietDepth_ > 0 || untrackedDepth_ > 0) {
    runEvent(action);
    return;
  }
  stepping_ = true;
  ScopeExit stepped([this] { stepping_ = false; });
  history_->beginStep(cause);
  try {
    runEvent(action);
  } catch (...) {
    history_->abandonStep();
    throw;
  }
  history_->endStep();
}

void Workspace::runUntracked(const std::function<void()>& action) {
  ++untrackedDepth_;
  ScopeExit untracked([this] { --untrackedDepth_; });
  runEvent(action);
}

void Workspace::runQuietly(const std::function<void()>& action) {
  ++quietDepth_;
  ScopeExit quietScope([this] { --quietDepth_; });
  runEvent(action);
}

void Workspace::discardDesign() {
  runQuietly([this] {
    std::vector<std::string> names = creationOrder_;
    for (auto name = names.rbegin(); name != names.rend(); ++name)
      if (goesWithDesign(*name)) close(*name);
    shared_ = SharedValues{};
  });
  history_->clear();
}

void Workspace::enterReaction() {
  if (reactionDepth_ >= kMaxReactionDepth) throw RecalcAbort("cascade too deep");
  ++reactionDepth_;
}

}  // namespace corvane
