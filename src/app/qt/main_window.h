// The main window: the main form's menu, status bar and timers around a
// multiple-document area that holds the other forms' windows.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/qt/form_binding.h"
#include "model/translator.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace corvane {

class Form;
class FormView;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(Form& form, QWidget* parent = nullptr);
  ~MainWindow() override;

  Form* form() const { return binding_->form(); }
  FormBinding& binding() { return *binding_; }
  QMdiArea* mdiArea() const { return mdi_; }
  void detach();
  // Shows the window fitted to the screen's free area.
  void showFitted();

  // Puts a form's view into the document area; the view's visibility then
  // shows and hides its child window.
  QMdiSubWindow* addChild(FormView* view);

  // The menu "语言 / Language" after the form's own menus: its items name
  // each language in that language, so that a user who reads only one finds
  // it; choosing one calls `choose`.
  void addLanguageMenu(std::function<void(Language)> choose);
  // Ticks the language shown.
  void showLanguage(Language language);

  // Closing the main window ends the program; false keeps it running.
  std::function<bool()> onClose;
  // The first time the window is shown (start-up measurement).
  std::function<void()> onFirstShow;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize fittedSize(const QMdiSubWindow* child, QSize size, const QSize& area) const;
  void placeInside(QMdiSubWindow* child);
  void keepFrameInside(const QRect& area);

  QMdiArea* mdi_;
  std::unique_ptr<FormBinding> binding_;
  QAction* chinese_ = nullptr;
  QAction* english_ = nullptr;
  bool shownOnce_ = false;
  int cascadeStep_ = 0;
};

}  // namespace corvane
