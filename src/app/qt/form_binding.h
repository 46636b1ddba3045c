// The one generic piece between a headless form and Qt: it creates a widget
// (or menu action, status panel, timer) for every control of the form, keeps
// the widgets in step with the model, and hands what the user does to the
// form's user entry points. Model writes update the widgets with their
// signals blocked, so nothing echoes back into the model.
//
// Layout comes from the model alone: every control's geometry in twips and
// its container name (a frame, or any control that holds others).
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>
#include <map>
#include <vector>

#include "model/control.h"

class QAction;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QWidget;
class QKeyEvent;

namespace corvane {

class Form;
struct FormEvent;

// Where the binding puts a form's controls; a null target leaves those
// controls out (the main window has no canvas, a child form no status bar).
struct BindingTargets {
  QWidget* canvas = nullptr;
  QMenuBar* menuBar = nullptr;
  QStatusBar* statusBar = nullptr;
};

class FormBinding : public QObject {
 public:
  FormBinding(Form& form, BindingTargets targets, QObject* parent = nullptr);
  ~FormBinding() override;

  // The bound form; nullptr once detached.
  Form* form() const { return form_; }
  // Stops following the form (it is being closed): no model call is made
  // and no model object is touched afterwards.
  void detach();

  QWidget* widget(const Control& control) const;
  QAction* action(const Control& control) const;
  QTimer* timer(const Control& control) const;
  // Size of the form's client area in pixels: the form's own size, grown to
  // hold every control.
  QSize contentSize() const;
  // Puts the keyboard focus where typing should go when the form's window
  // opens or comes to the front.
  void focusFirstInput();

  // Form events after the binding has handled them (shown, hidden, caption).
  std::function<void(const FormEvent&)> onFormEvent;

  static bool hasControlOfKind(const Form& form, ControlKind kind);

 protected:
  static void showBeginningLater(QWidget* widget);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bound {
    Control* control = nullptr;
    QPointer<QWidget> widget;
    QPointer<QAction> action;
    QPointer<QMenu> menu;
    QPointer<QTimer> timer;
    int changedId = 0;
    int pictureId = 0;
    bool paletteSet = false;
  };

  void bindAll();
  Bound& create(Control& control);
  QWidget* createWidget(Control& control);
  void watch(QObject* object, Control& control);
  void buildMenus(const std::vector<Control*>& controls);
  void addMenuItem(Control& item, bool hasChildren);
  void giveShortcut(QAction& action, const Control& item);
  void placeInContainer(Bound& bound);
  void unbind(Control* control);
  void forget(Bound& bound);

  void onFormEventRaised(const FormEvent& event);
  void apply(Control& control, Property property);
  void applyAll(Bound& bound);
  void applyText(Bound& bound);
  void applyCaption(Bound& bound);
  void applyItems(Bound& bound);
  void applyListIndex(Bound& bound);
  void applyValue(Bound& bound);
  void applyColours(Bound& bound);
  void applyGeometry(Bound& bound);
  void applyTimer(Bound& bound);
  void applyFont(Bound& bound);
  void applyHints(Bound& bound);
  void focusControl(Control& control);

  // Runs a user action on a control; false when the control (or the whole
  // form) went away during it.
  bool dispatch(Control* control, const std::function<void(Form&, Control&)>& action);
  bool isBound(const Control* control) const { return bound_.count(control) > 0; }
  bool onKeyPress(Control* control, QKeyEvent* event);
  void onFocusIn(Control* control, QObject* watched);

  Form* form_;
  BindingTargets targets_;
  int eventsId_ = 0;
  bool applyingFocus_ = false;
  std::map<Control*, Bound, std::less<>> bound_;  // looked up by const pointers too
  QHash<QObject*, Control*> controlOf_;
};

}  // namespace corvane
