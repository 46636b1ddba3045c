// The window of one form: its menu bar, its controls on a canvas (placed as
// the model lays them out) and its status bar, bound to the form by a
// FormBinding. The view follows the form's caption; whoever holds the view
// decides how "shown" and "hidden" appear (an MDI child, a top-level window).
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/qt/form_binding.h"

class QMenuBar;
class QStatusBar;
class QScrollArea;

namespace corvane {

class Form;

class FormView : public QWidget {
 public:
  explicit FormView(Form& form, QWidget* parent = nullptr);
  ~FormView() override;

  Form* form() const { return binding_->form(); }
  FormBinding& binding() { return *binding_; }
  // The widget the form's controls sit on (what a form image prints).
  QWidget* canvas() const { return canvas_; }
  QMenuBar* menuBar() const { return menuBar_; }
  QStatusBar* statusBar() const { return statusBar_; }
  // The whole window's size for the form's client area.
  QSize preferredSize() const;
  QSize sizeHint() const override { return preferredSize(); }
  void detach();

  // Called with true on "shown" and false on "hidden"; by default the view
  // itself shows or hides.
  std::function<void(bool)> onVisibility;

  // The live view of a form, nullptr when it has none.
  static FormView* find(const Form& form);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void focusSoon();
  void focusIfInFront();

  const Form* key_;
  QWidget* canvas_;
  QScrollArea* scroll_;
  QMenuBar* menuBar_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  std::unique_ptr<FormBinding> binding_;
  bool focusPending_ = false;
};

}  // namespace corvane
