// A stage form: named controls and control arrays holding the design values,
// and a table of reactions (change, Enter, key, click, choose, focus, timer
// tick) keyed by control name. Views and the script driver call the user
// entry points (userSetText, userType, userKey, userClick, ...), which are the
// event boundary: a RecalcAbort thrown by a reaction stops there.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/control.h"
#include "model/kept_member.h"
#include "model/name_memo.h"
#include "model/signal.h"

namespace corvane {

class Workspace;
struct CaptionedField;
struct CaptionedPlace;
struct CaptionedColumn;
struct ColumnRow;
class Host;
class SharedValues;
class Translator;

enum class EventKind { Change, Enter, KeyDown, KeyPress, Click, DblClick, Choose, GotFocus, Tick };

struct EventArgs {
  int keyCode = 0;      // KeyDown: the key code (13 for Enter)
  std::string keyChar;  // KeyPress: the character typed (UTF-8)
};

using Reaction = std::function<void(Control&, const EventArgs&)>;

// Rows of one control array, created and removed at run time.
class ControlArray {
 public:
  ControlArray(Form& form, std::string name, ControlKind kind);
  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Control* at(int index) const;  // nullptr when the element does not exist
  // The element, or RecalcAbort when it does not exist (a recalculation that
  // reaches past the rows stops there).
  Control& element(int index) const;
  std::vector<int> indices() const;
  size_t count() const { return elements_.size(); }
  bool has(int index) const { return at(index) != nullptr; }
  // Creates element `index` with the given settings (an existing element is
  // returned unchanged).
  Control& load(int index, ControlInit init);
  void unload(int index);
  // What the array's text boxes hold, this row and every row loaded later.
  void setContent(Control::Content content);
  // Calls `visit` with every element, in index order.
  template <class Visit>
  void forEachElement(Visit visit) const {
    for (const auto& element : elements_) visit(*element.second);
  }

  // --- design time (settled by the workspace before the form's load step)
  // The rows the form's constructor created.
  const std::vector<int>& designTimeRows() const { return designRows_; }
  // The distance (layout units) from one row created at run time to the
  // next, for an array whose constructor creates one row; with more, the
  // distance between its first two rows.
  void setRowPitch(int pitch) { pitch_ = pitch; }
  // Creates row `index` as the form's layout has it, in its design-time
  // state: a design-time row as the constructor made it, any other as the
  // first design-time row moved down one pitch for each index past the
  // first's. An existing row is returned unchanged.
  Control& loadDesignTimeRow(int index);

 private:
  friend class Form;
  void settleDesignTime();

  // A design-time row's settings and state; rows created at run time take
  // their layout and design-time state from the first one.
  struct DesignTimeRow {
    ControlInit settings;
    ControlDesign state;
  };

  Form& form_;
  std::string name_;
  ControlKind kind_;
  Control::Content content_ = Control::Content::Quantity;
  std::map<int, std::unique_ptr<Control>> elements_;
  // the same rows by index, for the indices a table has (0 up to a few
  // dozen): a cell is reached without a walk down the tree
  static constexpr int kDirectRows = 256;
  std::vector<Control*> direct_;
  std::map<int, DesignTimeRow> designTime_;
  std::vector<int> designRows_;
  int pitch_ = 0;
};

// Raised: show() on a form already shown, which brings its window to the front.
enum class FormEventKind { RowAdded, RowRemoved, Shown, Hidden, Raised, Focus, Caption };
struct FormEvent {
  FormEventKind kind;
  Control* control = nullptr;  // RowAdded, Focus: the control
  std::string array = {};      // RowAdded, RowRemoved
  int index = -1;
};

class Form {
 public:
  Form(Workspace& workspace, std::string name, std::string caption);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  Workspace& workspace() const { return workspace_; }
  Host& host() const;
  SharedValues& shared() const;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  // Shows the form and makes it the active window.
  void show();
  void hide();
  // Layout size hint in the form's units.
  Geometry size() const { return size_; }

  // --- lookup
  // A single control (index -1) or an array element; nullptr when absent.
  Control* find(std::string_view name, int index = -1);
  const Control* find(std::string_view name, int index = -1) const;
  // The same; a name the form does not have is a ProgrammingError, a missing
  // row of an existing array a RecalcAbort (the recalculation ran past the rows).
  Control& control(std::string_view name, int index = -1);
  const Control& control(std::string_view name, int index = -1) const;
  ControlArray* findArray(std::string_view name);
  const ControlArray* findArray(std::string_view name) const;
  ControlArray& array(std::string_view name);  // ProgrammingError when absent
  const ControlArray& array(std::string_view name) const;
  bool isArray(std::string_view name) const { return findArray(name) != nullptr; }
  // Names of controls and arrays in design order.
  std::vector<std::string> names() const;
  // Every control, arrays row by row, in design order.
  std::vector<Control*> allControls();
  std::vector<const Control*> allControls() const;

  // --- events (no catch: reactions run inside the write that caused them)
  void react(EventKind kind, Control& source, const EventArgs& args = {});
  bool hasReaction(EventKind kind, std::string_view name) const;
  // The control names the reaction table is keyed by, each once.
  std::vector<std::string> reactionNames() const;

  // --- user entry points: the event boundary
  void userSetText(Control& control, std::string text);
  void userType(Control& control, std::string_view characters);
  void userKey(Control& control, int keyCode);
  // A character key pressed in a field that edits its text itself (a view's
  // line edit): the key-press reaction sees the field before the character
  // changes it; the new text follows through userSetText.
  void userKeyPress(Control& control, std::string_view character);
  void userEnter(Control& control) { userKey(control, 13); }
  void userClick(Control& control);
  void userDblClick(Control& control);
  void userChoose(Control& control, int index);
  void userFocus(Control& control);
  void tick(Control& timer);

  // --- focus
  Control* focused() const { return focused_; }
  // Moves the focus (the whole text becomes selected) and runs the got-focus
  // reaction of the control that receives it.
  void setFocus(Control& control);

  Signal<const FormEvent&> events;

  // --- design state
  // False for the program's own windows (main window, cover, about box),
  // which are no part of a design.
  bool holdsDesign() const { return holdsDesign_; }
  // Member variables that belong to the design, in the order they are
  // restored.
  const std::vector<KeptMember>& keptMembers() const { return kept_; }
  // Shows or hides the form as a saved design had it; it does not become the
  // active window and no activation step runs.
  void restoreVisibility(bool visible);
  // The caption the constructor gave the form.
  const std::string& designTimeCaption() const { return designTimeCaption_; }
  // The workspace's change tick of the last control of this form created,
  // changed or removed (Workspace::nextChangeTick).
  unsigned long long changeTick() const { return changeTick_; }
  // Calls `visit` with every control, arrays row by row, in design order,
  // and `visitArray` with each array, without building a list.
  template <class Visit>
  void forEachControl(Visit visit) const {
    for (const DesignEntry& entry : design_) {
      if (entry.single)
        visit(*entry.single);
      else
        entry.array->forEachElement(visit);
    }
  }
  template <class Visit>
  void forEachArray(Visit visit) const {
    for (const DesignEntry& entry : design_)
      if (entry.array) visit(*entry.array);
  }

  // Called by the workspace right after construction, under the event boundary.
  virtual void load() {}
  // Called when the form becomes the active window (shown, or picked by the
  // user among the open windows), under the event boundary.
  virtual void activated() {}
  // Called once a saved design has been put back, quietly: a form that could
  // not take back something outside the file (a catalogue file that is gone)
  // says so in its own fields here.
  virtual void restored() {}

  // What the user reads for a control's caption in the language of
  // `translator`: the caption translated in the form's context. A caption
  // that names something of another form (the edit menu's step) says so
  // by its parts.
  virtual std::string shownCaption(const Control& control, const Translator& translator) const;
  // Whether the user's doing on the control can be a step of the design that
  // the edit menu names: undo and redo themselves are none.
  virtual bool makesSteps(const Control&) const { return true; }

 protected:
  Control& addControl(std::string name, ControlKind kind, ControlInit init = {});
  // Creates the array with its first element (index 0, or 1 for the 1-based
  // arrays such as status-bar panels).
  ControlArray& addArray(std::string name, ControlKind kind, ControlInit init = {},
                         int firstIndex = 0);
  // A caption and the entry field it names, at `at` inside `container`; the field.
  Control& addCaptionedField(const CaptionedField& row, const CaptionedPlace& at,
                             const std::string& container = {});
  // Each row of a column of captioned fields.
  void addCaptionedColumn(std::span<const ColumnRow> rows, const CaptionedColumn& column,
                          const std::string& container = {});
  void on(EventKind kind, std::string name, Reaction reaction);
  // The same reaction for several controls.
  void on(EventKind kind, std::initializer_list<const char*> names, const Reaction& reaction);
  void setSize(int width, int height) { size_ = {0, 0, width, height}; }
  // What the named text boxes hold (every row of an array), for the views.
  void holdsText(std::initializer_list<const char*> names);
  void holdsWords(std::initializer_list<const char*> names);
  void holdsSignedQuantity(std::initializer_list<const char*> names);
  void holdsRailQuantity(std::initializer_list<const char*> names);

  // Makes a member variable part of the saved design.
  void keep(std::string name, std::function<MemberValue()> get,
            std::function<bool(const MemberValue&)> set);
  // A whole number that must lie within [lowest, highest].
  void keep(std::string name, int& member, int lowest, int highest);
  void keep(std::string name, double& member);
  void keep(std::string name, bool& member);

 private:
  friend class ControlArray;
  friend class Control;
  friend class Workspace;
  void controlChanged(Control& control, Property property);
  // Gives the control (or, for a row removed, the form alone) the next
  // change tick.
  void tickChange(Control& control);
  void tickChange();
  void keyPressed(Control& control, std::string_view character);
  void rowAdded(const std::string& array, Control& control);
  void rowRemoved(const std::string& array, int index, Control* control);
  void optionSelected(Control& option);
  // Takes every control's state, each array's rows and the caption as the
  // design time they compare with from now on.
  void settleDesignTime();

  Workspace& workspace_;
  std::string name_;
  std::string caption_;
  std::string designTimeCaption_;
  bool visible_ = false;
  Geometry size_;
  Control* focused_ = nullptr;
  bool holdsDesign_ = true;
  unsigned long long changeTick_ = 0;
  std::vector<KeptMember> kept_;
  std::vector<std::string> order_;
  // the same in design order, a control or an array each: walking every
  // control needs no look-up by name
  struct DesignEntry {
    Control* single = nullptr;
    ControlArray* array = nullptr;
  };
  std::vector<DesignEntry> design_;
  // Names hash once per look-up instead of a string compare per tree level:
  // the forms look their fields up by name on every write.
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };
  template <class T>
  using ByName = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;
  ByName<std::unique_ptr<Control>> singles_;
  ByName<std::unique_ptr<ControlArray>> arrays_;
  // the reactions of one control name, one slot per event kind; shared so a
  // running reaction outlives its replacement
  static constexpr size_t kEventKinds = static_cast<size_t>(EventKind::Tick) + 1;
  using Reactions = std::array<std::shared_ptr<const Reaction>, kEventKinds>;
  ByName<Reactions> reactions_;
  // what each name a reaction or a later form asked for resolved to (both
  // null when the form has no such control); cleared when a control or a
  // reaction is added
  struct Resolved {
    Control* single = nullptr;
    ControlArray* array = nullptr;
  };
  Resolved resolve(std::string_view name) const;
  mutable NameMemo<Resolved> resolved_;
  // a control's reactions by its name, null when it has none
  mutable NameMemo<const Reactions*> reactionsOf_;
};

}  // namespace corvane
