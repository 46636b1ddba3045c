// One named control of a form (or one element of a control array). Its text
// is the design value; the other properties are what a view needs to show it.
// Setters store and notify only on a real change; a changed text runs the
// form's change reaction synchronously, inside the write.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/color.h"
#include "model/control_design.h"
#include "model/signal.h"

namespace corvane {

class Form;
class Picture;

enum class ControlKind {
  TextBox,
  Label,
  ComboBox,
  ListBox,
  CheckBox,
  OptionButton,
  CommandButton,
  Frame,
  PictureBox,
  MenuItem,
  Timer,
  StatusPanel,
  Slider,
  // shows how far a long piece of work has come: its text the per cent done
  // (0 to 100), its caption what the bar says over it
  ProgressBar,
};

// Position and size in the form's layout units (twips unless a form says
// otherwise); views use them as a layout hint.
struct Geometry {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Geometry&) const = default;
};

enum class Property {
  Text,
  Caption,
  Visible,
  Enabled,
  Value,
  Items,
  ListIndex,
  BackColor,
  ForeColor,
  ToolTip,
  Geometry,
  Interval,
  Locked,
};

// Design-time settings of a control.
struct ControlInit {
  std::string text = {};
  std::string caption = {};
  std::string toolTip = {};
  Geometry geometry = {};
  std::string container = {};  // the frame it sits in, "" for the form itself
  std::vector<std::string> items = {};
  int listIndex = -1;
  int value = 0;
  int interval = 0;  // Timer: milliseconds
  int minimum = 0;   // Slider: range of the position its text holds
  int maximum = 100;
  bool visible = true;
  bool enabled = true;
  bool listOnly = true;  // ComboBox: text must be one of the items
  bool locked = false;   // TextBox: shown but not editable by the user
  bool hasBackColor = false;
  Rgb backColor = colors::kWindow;
  Rgb foreColor = colors::kBlack;
  std::string group = {};       // OptionButton: options of one group exclude each other
  std::string menuParent = {};  // MenuItem: the item whose submenu holds it
  std::string shortcut = {};    // MenuItem: key sequence such as "Ctrl+S"
  double fontSize = 0;          // points; 0 keeps the form's default font
  bool fontBold = false;
  bool operator==(const ControlInit&) const = default;
};

class Control {
 public:
  Control(Form& form, std::string name, ControlKind kind, int index, ControlInit init);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return form_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 for a control outside an array
  bool inArray() const { return index_ >= 0; }
  std::string address() const;  // "txtudc(2)" or "TXTUIN1"
  ControlKind kind() const { return kind_; }

  // --- the design value
  const std::string& text() const { return text_; }
  // Replaces the text; when it differs, notifies and runs the change reaction.
  // On a list-only combo box the text selects the item of that text (see
  // setListIndex) and an unknown text changes nothing and returns false.
  // A text equal to the one shown costs only the comparison.
  bool setText(std::string_view text);
  // Whether the text stands as the user typed it: a view marks a text that
  // reads otherwise than it looks only then, never a value the program wrote.
  bool typedByUser() const { return typedByUser_; }
  // The next text stored is the user's (Form::userSetText, Form::userType);
  // any later write by a reaction is the program's again.
  void markNextTextTyped() { nextTextTyped_ = true; }
  double num() const;     // leading-number read
  double strict() const;  // strict read: RecalcAbort unless the text is a number

  // What the script driver's print shows: a label's caption, a check box's 0/1,
  // a list's selected item, otherwise the text.
  std::string displayText() const;

  // --- appearance
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  bool locked() const { return locked_; }
  void setLocked(bool locked);
  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(std::string tip);
  Rgb backColor() const { return backColor_; }
  // False while the control keeps the platform's default background.
  bool hasBackColor() const { return hasBackColor_; }
  void setBackColor(Rgb color);
  Rgb foreColor() const { return foreColor_; }
  void setForeColor(Rgb color);
  const Geometry& geometry() const { return geometry_; }
  void setGeometry(Geometry geometry);
  const std::string& container() const { return container_; }
  const std::string& group() const { return group_; }
  const std::string& menuParent() const { return menuParent_; }
  const std::string& shortcut() const { return shortcut_; }
  bool listOnly() const { return listOnly_; }
  // What a text box holds: a number (the default; it may carry a unit after
  // it), or a text such as a name or a designation. A number that can be
  // below zero (an ambient temperature, a deviation) says so, and so does one
  // whose sign marks a negative rail, designed for its magnitude (an output
  // voltage or current); views use them to point out a typed text that is
  // read as something else.
  // A text the program writes in words (a verdict, a list item it copies,
  // a plot's axis titles and legend) is shown in the language shown, as a
  // caption is.
  enum class Content { Quantity, SignedQuantity, RailQuantity, Text, Words };
  Content content() const { return content_; }
  void setContent(Content content) { content_ = content; }
  double fontSize() const { return fontSize_; }
  bool fontBold() const { return fontBold_; }

  // --- check box / option button: 0 or 1 (a check box may be 2, greyed).
  // A change runs the click reaction, as a user click would.
  int value() const { return value_; }
  bool setValue(int value);

  // --- lists (combo box, list box)
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);  // clears the selection
  void addItem(std::string item);
  void clearItems();
  int listIndex() const { return listIndex_; }
  // Selects an item (-1 for none); on a change the text follows the item and
  // the choose reaction runs. An index outside the list changes nothing.
  bool setListIndex(int index);
  int findItem(std::string_view text) const;

  // --- timers
  int interval() const { return interval_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  void setInterval(int ms);

  // --- picture boxes
  Picture& picture();
  const Picture* pictureIfAny() const { return picture_.get(); }

  // --- typing state: gaining focus selects the whole text, so the next key
  // replaces it.
  bool wholeTextSelected() const { return wholeTextSelected_; }
  void setWholeTextSelected(bool selected) { wholeTextSelected_ = selected; }

  // A copy of this control's design settings, for new rows of an array.
  ControlInit snapshot() const;

  // --- the design (control_design.h)
  ControlDesign design() const;
  // The same with a drawing on demand kept as it is, not drawn: what the undo
  // history keeps of the control.
  ControlDesign undrawnDesign() const;
  // Puts a design state back as it stands: views hear of every property that
  // changed, but no change, click or choose reaction runs, so nothing is
  // recalculated from it.
  void restoreDesign(const ControlDesign& state);
  // The state the form's constructor left: a saved design keeps what differs
  // from it. A row an array created at run time has the design-time state of
  // the array's first row (form.h). Plain until the workspace settles the
  // form's design time.
  const ControlDesign& designTimeState() const { return designTime_; }
  // The workspace's change tick when this control was created or last
  // changed a property or its picture (Workspace::nextChangeTick).
  unsigned long long changeTick() const { return changeTick_; }

  Signal<Property> changed;

 private:
  friend class Form;
  friend class ControlArray;
  void notify(Property property);
  void createPicture();
  ControlDesign designWithoutPicture() const;
  // Copies the properties a design keeps (control_design.h) into a state
  // that names them alike: a ControlDesign, or the ControlInit of a snapshot.
  template <class State>
  void copyDesignProperties(State& state) const;
  // Stores a new value of a plain property and tells the views of it.
  template <class T, class V>
  void change(T& member, V&& value, Property property);
  bool storeText(std::string_view text, bool typed = false);
  // What the leading-number read sees: the text displayText() gives, without
  // copying it where it is a stored text.
  std::string_view readableText(std::string& scratch) const;

  Form& form_;
  std::string name_;
  ControlKind kind_;
  int index_;
  std::string text_;
  // The leading-number read of text_, kept until the text changes: a
  // recalculation reads the same fields many times.
  mutable double number_ = 0;
  mutable bool numberRead_ = false;
  std::string caption_;
  std::string toolTip_;
  Geometry geometry_;
  std::string container_;
  std::string group_;
  std::string menuParent_;
  std::string shortcut_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  int value_ = 0;
  int interval_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
  double fontSize_ = 0;
  bool fontBold_ = false;
  Content content_ = Content::Quantity;
  bool visible_ = true;
  bool enabled_ = true;
  bool listOnly_ = true;
  bool locked_ = false;
  bool hasBackColor_ = false;
  bool wholeTextSelected_ = false;
  bool typedByUser_ = false;
  bool nextTextTyped_ = false;
  Rgb backColor_;
  Rgb foreColor_;
  std::unique_ptr<Picture> picture_;
  ControlDesign designTime_;
  unsigned long long changeTick_ = 0;
};

}  // namespace corvane
