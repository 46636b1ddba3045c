// The help window: the user manual's HTML, installed with the program, in a
// browser window of its own, at the chapter the help form names. It follows
// the help form: shown and brought to the front with it, hidden with it, and
// closing it hides the form.
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace corvane {

class Form;

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(Form& help);
  ~HelpWindow() override;
  // The help form goes away: nothing of it is touched afterwards.
  void detach();
  // Titles the window, and says a missing manual, in the language shown.
  void retranslate();
  QTextBrowser* browser() const { return browser_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showChapter();

  Form* form_;
  int eventsId_ = 0;
  QPointer<QTextBrowser> browser_;
};

// The manual's main file: beside the program (a build tree), in the data
// folder of the tree the program was installed into, or in the configured
// data folder; the first that exists, else the first place.
std::string manualPath();

}  // namespace corvane
