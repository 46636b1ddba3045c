// The one instance of each form of a program run, created with its defaults
// and load step on first use, the shared values, and the host. Forms reach
// each other's fields by name through it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_links.h"
#include "model/form.h"
#include "model/name_memo.h"
#include "model/shared_values.h"
#include "model/signal.h"

namespace corvane {

class DesignHistory;
class DesignSession;
class Host;
struct StepCause;

// A design form holds part of the design; the program's own windows (main
// window, cover, about box) hold none. A derived form shows figures worked
// out from the design (the operating analysis): it is not saved, and it goes
// with the design, so a new or opened design never shows its old figures.
enum class FormRole { Design, Program, Derived };

class Workspace {
 public:
  using Factory = std::function<std::unique_ptr<Form>(Workspace&)>;

  explicit Workspace(Host& host);
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Host& host() const { return host_; }
  SharedValues& shared() { return shared_; }
  const SharedValues& shared() const { return shared_; }

  void registerForm(const std::string& name, Factory factory, FormRole role = FormRole::Design);
  // The form class F under its name F::kName, with the fields it offers the
  // earlier forms (F::kLinkedFields) when it has any.
  template <class F>
  void registerForm(FormRole role = FormRole::Design) {
    registerForm(
        F::kName, [](Workspace& ws) { return std::make_unique<F>(ws); }, role);
    if constexpr (requires { F::kLinkedFields; }) registerFieldLinks(F::kName, F::kLinkedFields);
  }
  // Knows the same forms as `other`: a scratch copy to try a saved design on.
  void registerFormsOf(const Workspace& other);
  bool knowsForm(std::string_view name) const;
  // False for the program's own windows, derived forms and unknown names.
  bool holdsDesign(std::string_view name) const;
  // True for the design forms and the derived forms: what a new design discards.
  bool goesWithDesign(std::string_view name) const;
  std::vector<std::string> formNames() const;

  // The form's single instance; created with its design-time defaults and its
  // load step on first use. A ProgrammingError for an unknown name, and for
  // a form's constructor that reaches for another form (its design-time
  // state must not depend on the rest of the design; a load step may read
  // other forms).
  Form& form(std::string_view name);
  template <class T>
  T& form(std::string_view name) {
    return dynamic_cast<T&>(form(name));
  }
  // The instance if it exists, without creating it.
  Form* existing(std::string_view name) const;
  // The forms that exist, in the order they were created.
  std::vector<Form*> existingForms() const;
  // Puts the named forms first, in the order given, as a saved design had
  // them; forms not named keep their order after them. A form's load may
  // have created another before its own turn came while the design was
  // being put back.
  void restoreCreationOrder(const std::vector<std::string>& names);
  // --- commands that a later stage of the chain provides to an earlier form
  // (the structure form's printed sheet, its simulator export): the program
  // registers the code by name, the form runs it by name, so no form
  // includes the stages built on it.
  using Command = std::function<void()>;
  void registerCommand(const std::string& name, Command command);
  // Runs the command as part of the current event; false when the program
  // registered none under that name (a workspace without that stage).
  bool runCommand(std::string_view name);
  bool knowsCommand(std::string_view name) const;

  // --- fields a later stage offers to an earlier form (model/field_links.h)
  void registerFieldLinks(const std::string& form, std::span<const LinkedField> fields);
  // The linked field; its form comes into being on first use, as field()
  // creates it. A ProgrammingError for a link no form offers.
  Control& linkedField(std::string_view link);
  // The linked field when its form exists, else nullptr: the form is not
  // created.
  Control* linkedFieldIfOpen(std::string_view link);

  // A field of a form (created on first use); a ProgrammingError if the form has no
  // such control.
  Control& field(std::string_view form, std::string_view name, int row = -1);
  // Discards the instance; the next access creates it afresh. A form closed
  // from inside one of its own reactions is destroyed when the event ends.
  void close(std::string_view name);

  // The active window: the form shown or picked last. Activating a form that
  // is not yet active runs its activation step as an event of its own.
  Form* activeForm() const { return active_; }
  // The active window changed (a form shown or picked, or the active one gone).
  Signal<> activeChanged;
  void activate(Form& form);
  void deactivate(const Form& form);
  // Makes a form the active window as a saved design had it, without its
  // activation step.
  void restoreActive(Form* form);

  // Runs `action` as one event: a RecalcAbort inside it stops the action and
  // is swallowed. Nested boundaries are allowed; forms closed during the
  // event are destroyed when the outermost one ends.
  void runEvent(const std::function<void()>& action);

  // Nesting guard for reactions: deeper cascades stop as an arithmetic error
  // would, so no input can overflow the stack.
  static constexpr int kMaxReactionDepth = 200;
  void enterReaction();
  void leaveReaction() { --reactionDepth_; }

  // --- unsaved changes
  // Grows with every change the user makes to a design value (a text,
  // caption, check state, list or selection, a row added or removed, a form
  // discarded) of a design form. Form loads, timer ticks and quiet restores
  // change nothing here.
  unsigned long long designRevision() const { return revision_; }
  void noteDesignChange(const Form& form);
  // A clock of changes of any kind to any control, loads and quiet restores
  // included: a control created or changed takes the next tick, so the undo
  // history looks again only at what changed since it last looked.
  unsigned long long nextChangeTick() { return ++changeTicks_; }
  unsigned long long changeTicks() const { return changeTicks_; }
  // Runs `action` as one user event: a step of the undo history with every
  // change its cascade makes. Nested in another step it names that step when
  // it has no name yet; inside any other event it is part of that event.
  void runStep(const StepCause& cause, const std::function<void()>& action);
  // Puts back the revision of a design state the undo history returns to, so
  // the unsaved-changes mark follows the position in the history.
  void restoreRevision(unsigned long long revision);
  // Runs `action` as an event whose writes are not the user's doing.
  void runUntracked(const std::function<void()>& action);
  // Runs `action` as an event in which no reaction and no activation step
  // runs and nothing counts as a change: the restore of a saved design.
  // Views still hear of every change. A form created meanwhile loads as
  // usual.
  void runQuietly(const std::function<void()>& action);
  bool quiet() const { return quietDepth_ > 0; }
  // Discards every design form and every derived form and empties the
  // shared values: the next access to a form finds it as at first use.
  void discardDesign();

  // The design's file, its unsaved changes, recent designs and recovery.
  DesignSession& session() { return *session_; }
  // The undo history of the design.
  DesignHistory& history() { return *history_; }
  // A workspace nobody undoes on (a search candidate's): user events run
  // without recording steps, a quarter of every candidate's work.
  void keepNoHistory() { keepsHistory_ = false; }

  Signal<Form&> formCreated;
  Signal<const std::string&> formClosed;
  Signal<> designChanged;

 private:
  struct Registration {
    Factory factory;
    FormRole role = FormRole::Design;
  };

  Host& host_;
  SharedValues shared_;
  std::unique_ptr<DesignSession> session_;
  std::unique_ptr<DesignHistory> history_;
  std::map<std::string, Registration, std::less<>> factories_;
  std::map<std::string, Command, std::less<>> commands_;
  struct FieldLink {
    std::string form;
    std::string control;
  };
  const FieldLink& fieldLink(std::string_view link) const;
  std::map<std::string, FieldLink, std::less<>> links_;
  std::vector<std::string> order_;
  std::map<std::string, std::unique_ptr<Form>, std::less<>> forms_;
  // the open form each name a cross-form read asked for resolved to (null
  // when none is open); cleared whenever a form opens or closes, and gone
  // while the workspace closes every form
  mutable NameMemo<Form*> formsByName_;
  bool remembersForms_ = true;
  std::vector<std::string> creationOrder_;
  std::vector<std::unique_ptr<Form>> disposed_;
  Form* active_ = nullptr;
  int eventDepth_ = 0;
  int reactionDepth_ = 0;
  int untrackedDepth_ = 0;
  int quietDepth_ = 0;
  int building_ = 0;  // form constructors running
  bool stepping_ = false;
  bool keepsHistory_ = true;
  unsigned long long revision_ = 0;
  // the last revision given out: an undone branch's numbers never return
  unsigned long long lastRevision_ = 0;
  unsigned long long changeTicks_ = 0;
};

}  // namespace corvane
