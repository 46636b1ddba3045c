// The one generic piece between a headless form and Qt: it holds an adapter
// for every control of the form (control_adapter.h), which makes the
// control's widget, menu entry, status panel or timer and keeps it in step
// with the model; the binding places the widgets in their frames, follows
// the rows a form adds and removes, moves the keyboard focus as the form
// does, and hands the keys, focus and mouse presses the user gives a widget
// to the form's user entry points. Model writes update the widgets with
// their signals blocked, so nothing echoes back into the model.
//
// Layout comes from the model alone: every control's geometry in twips and
// its container name (a frame, or any control that holds others).
#pragma once

#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/qt/control_adapter.h"

class QKeyEvent;

namespace corvane {

struct FormEvent;

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

  // What the form's window does as the form changes: its title follows the
  // form's caption; the form is shown (true, also when brought to the
  // front) or hidden (false); a row added may need more room.
  struct WindowHooks {
    std::function<void(const QString& title)> title;
    std::function<void(bool visible)> visibility;
    std::function<void()> rowAdded;
  };
  WindowHooks window;

  // The form's caption as the window's title, in the language shown.
  QString title() const;
  // Shows every text again in the language now chosen.
  void retranslate();

  static bool hasControlOfKind(const Form& form, ControlKind kind);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void bindAll();
  ControlAdapter& bind(Control& control);
  void watch(QObject* object, Control& control);
  void placeInContainer(ControlAdapter& adapter);
  void unbind(Control* control);

  void onFormEventRaised(const FormEvent& event);
  void focusControl(Control& control);

  ControlAdapter* adapterOf(const Control* control) const;
  // Runs a user action on a control; false when the control (or the whole
  // form) went away during it.
  bool dispatch(Control& control, const UserAction& action);
  bool onKeyPress(ControlAdapter& adapter, QKeyEvent* event);
  void onFocusIn(ControlAdapter& adapter, QObject* watched);

  Form* form_;
  AdapterContext context_;
  int eventsId_ = 0;
  bool applyingFocus_ = false;
  struct Bound {
    std::unique_ptr<ControlAdapter> adapter;
    int changedId = 0;
  };
  static void forget(Bound& bound);
  std::map<const Control*, Bound, std::less<>> bound_;
  // the control of every widget the event filter watches
  QHash<QObject*, Control*> controlOf_;
};

}  // namespace corvane
