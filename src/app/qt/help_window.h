// The help window: the user manual's HTML, installed with the program, in a
// browser window of its own, at the chapter the help form names. It follows
// the help form: shown and brought to the front with it, hidden with it, and
// closing it hides the form.
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "model/translator.h"

namespace corvane {

class Form;

class HelpWindow : public QWidget {
 public:
  HelpWindow(Form& help, Language language);
  ~HelpWindow() override;
  // The help form goes away: nothing of it is touched afterwards.
  void detach();
  // Titles the window, and shows the manual or says it is missing, in the
  // language shown.
  void retranslate(Language language);
  QTextBrowser* browser() const { return browser_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showChapter();

  Form* form_;
  Language language_;
  int eventsId_ = 0;
  QPointer<QTextBrowser> browser_;
};

// The manual's main file: beside the program (a build tree), in the data
// folder of the tree the program was installed into, or in the configured
// data folder; the first that exists, else the first place. The English
// manual for the English interface.
std::string manualPath(Language language);

}  // namespace corvane
