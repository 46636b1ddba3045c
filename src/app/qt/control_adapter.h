// One control kind's part of the binding between a form and Qt: an adapter
// creates what shows one control of its kind (a widget on the form's canvas,
// a status panel, a menu entry, a timer), shows each property the model
// changes, with the widget's own signals blocked, and hands what the user
// does to the form's user entry points. The binding holds one adapter per
// control and knows no kind; a new control kind is one more adapter class
// and one row of the table in control_adapter.cpp.
#pragma once

#include <QPalette>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "model/control.h"

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QObject;
class QStatusBar;
class QTimer;

namespace corvane {

class Form;
class Translator;

// Where the binding puts a form's controls; a null target leaves those
// controls out (the main window has no canvas, a child form no status bar).
struct BindingTargets {
  QWidget* canvas = nullptr;
  QMenuBar* menuBar = nullptr;
  QStatusBar* statusBar = nullptr;
};

// A user's action on a control, run by the form as one event.
using UserAction = std::function<void(Form&, Control&)>;

// What every adapter of one binding shares; the binding owns it and outlives
// its adapters.
struct AdapterContext {
  BindingTargets targets;
  // the binding: it parents the timers and is the receiver of every
  // connection, so that removing a control cuts them at once
  QObject* owner = nullptr;
  // Runs the user's action; false when the control or the whole form went
  // away during it (the adapter may be gone then too).
  std::function<bool(Control&, const UserAction&)> dispatch;
  // What the user reads for the form's texts (captions, list items, tool
  // tips), in the form's context; a text box's content is a design value
  // and is shown as it is.
  const Translator* translator = nullptr;
  std::string textContext;
  // the menus made so far, by their item's name, for the items inside them
  std::map<std::string, QPointer<QMenu>, std::less<>> menus;
};

class ControlAdapter {
 public:
  ControlAdapter(Control& control, AdapterContext& context);
  virtual ~ControlAdapter();
  ControlAdapter(const ControlAdapter&) = delete;
  ControlAdapter& operator=(const ControlAdapter&) = delete;

  Control& control() const { return control_; }

  // Makes what shows the control; nothing where the form offers no target.
  virtual void create() = 0;
  // Shows a property the model changed.
  virtual void apply(Property property) = 0;
  // Shows every property, once the widget sits in its container.
  virtual void applyAll() = 0;
  // Once every widget of the form is placed.
  virtual void placed() {}

  // What was made, where the kind has it.
  virtual QWidget* widget() const { return nullptr; }
  virtual QAction* action() const { return nullptr; }
  virtual QTimer* timer() const { return nullptr; }
  // The line edit the typing goes into: the widget itself or one inside it.
  virtual QLineEdit* lineEdit() const { return nullptr; }
  // Whether the widget goes into the frame its control names.
  virtual bool sitsInContainer() const { return widget() != nullptr; }
  // A field the designer types a value into, and one that holds a name
  // rather than a number.
  virtual bool takesTyping() const { return false; }
  virtual bool holdsName() const { return false; }

  // --- what the user does that the binding sees through its event filter
  // Enter or Return in the widget.
  virtual void enterPressed();
  // A left mouse press: true when it is the control's click and is taken.
  virtual bool mousePressed() { return false; }

  // The binding stops following the control (it goes, or the form does):
  // no model object is touched afterwards.
  virtual void forget() {}
  // Takes what it made off the window. A widget goes once the event loop
  // returns: its own signal may be the one running.
  virtual void remove() {}

 protected:
  AdapterContext& context() const { return context_; }
  const BindingTargets& targets() const { return context_.targets; }
  // Hands the user's action to the form; false when the control went away
  // meanwhile, and then this adapter must not be touched either.
  bool run(const UserAction& action) { return context_.dispatch(control_, action); }
  // A text of the form as the user reads it in the language shown.
  QString shown(const std::string& text) const;
  // The control's caption so, as its form says it (form.h).
  QString shownCaption() const;
  // A list's items so.
  QStringList shownItems() const;
  // The user's doing the kinds share, through the form's entry points.
  bool userSetText(const QString& text);
  bool userChoose(int index);
  bool userClick();

 private:
  Control& control_;
  AdapterContext& context_;
};

// An adapter whose control is one widget: the properties every widget shows
// alike are shown here, each kind shows its own in the hooks below.
class WidgetAdapter : public ControlAdapter {
 public:
  using ControlAdapter::ControlAdapter;

  void apply(Property property) override;
  void applyAll() override;
  QWidget* widget() const override { return widget_; }
  void remove() override;

 protected:
  // Takes the widget made by create(): it is named by its control's address.
  void adopt(QWidget* widget);

  virtual void showText() {}
  virtual void showCaption() {}
  // A list's items, and then its selection and text.
  virtual void showItems() {}
  virtual void showListIndex() {}
  virtual void showValue() {}
  virtual void showLocked() {}
  // What the widget tells beyond its value: its tool tip.
  virtual void showHints();
  virtual void showGeometry();
  // The palette roles of the control's fore- and background colour.
  virtual std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles() const {
    return {QPalette::WindowText, QPalette::Window};
  }

 private:
  void showColours();
  void showFont();
  void showVisible();
  void showEnabled();

  QPointer<QWidget> widget_;
  bool paletteSet_ = false;
};

// The adapter of the control's kind.
std::unique_ptr<ControlAdapter> makeControlAdapter(Control& control, AdapterContext& context);

}  // namespace corvane
