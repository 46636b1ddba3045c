#include "model/workspace.h"

#include <stdexcept>

#include "model/programming_error.h"
#include "model/value.h"

namespace corvane {

Workspace::Workspace(Host& host) : host_(host) {}

Workspace::~Workspace() {
  // forms may read each other while they go; drop them in reverse creation order
  active_ = nullptr;
  forms_.clear();
  disposed_.clear();
}

void Workspace::registerForm(const std::string& name, Factory factory) {
  if (!factories_.count(name)) order_.push_back(name);
  factories_[name] = std::move(factory);
}

bool Workspace::knowsForm(std::string_view name) const {
  return factories_.find(name) != factories_.end();
}

std::vector<std::string> Workspace::formNames() const {
  return order_;
}

Form* Workspace::existing(std::string_view name) const {
  auto it = forms_.find(name);
  return it == forms_.end() ? nullptr : it->second.get();
}

Form& Workspace::form(std::string_view name) {
  if (Form* form = existing(name)) return *form;
  auto factory = factories_.find(name);
  if (factory == factories_.end()) throw ProgrammingError("unknown form " + std::string(name));
  std::unique_ptr<Form> created = factory->second(*this);
  Form& ref = *created;
  forms_.emplace(std::string(name), std::move(created));
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
  it->second->hide();
  deactivate(*it->second);
  disposed_.push_back(std::move(it->second));
  forms_.erase(it);
  formClosed.emit(key);
  if (eventDepth_ == 0) disposed_.clear();
}

void Workspace::activate(Form& form) {
  if (active_ == &form) return;
  active_ = &form;
  runEvent([&] { form.activated(); });
}

void Workspace::deactivate(const Form& form) {
  if (active_ == &form) active_ = nullptr;
}

void Workspace::runEvent(const std::function<void()>& action) {
  // restored however the action ends: a programming error passes through
  // this boundary and must not leave the nesting counts behind
  struct Depths {
    Workspace& ws;
    int reactionsBefore;
    ~Depths() {
      ws.reactionDepth_ = reactionsBefore;
      if (--ws.eventDepth_ == 0) ws.disposed_.clear();
    }
  };
  ++eventDepth_;
  Depths depths{*this, reactionDepth_};
  try {
    action();
  } catch (const RecalcAbort&) {
    // the recalculation stops here; what it wrote stays
  }
}

void Workspace::enterReaction() {
  if (reactionDepth_ >= kMaxReactionDepth) throw RecalcAbort("cascade too deep");
  ++reactionDepth_;
}

}  // namespace corvane
