#include "app/qt/help_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/forms/help_fields.h"
#include "app/forms/help_form.h"
#include "app/qt/guarded_event.h"
#include "app/qt/interface_language.h"
#include "app/qt/qt_convert.h"
#include "bobbin/catalogue/bobbin_catalogue.h"
#include "model/translator.h"
#include "model/workspace.h"

namespace corvane {

namespace {

constexpr const char* kManualFolder = "manual";
// pixels: room for the manual's text beside its screenshots
constexpr int kWidth = 900, kHeight = 640;

}  // namespace

std::string manualPath(Language language) {
  return installedDataFile(std::string(kManualFolder) + "/" + manualFileIn(language));
}

HelpWindow::HelpWindow(Form& help, Language language) : form_(&help), language_(language) {
  retranslate(language);
  setObjectName(QString::fromUtf8(help.name().c_str()));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(false);
  layout->addWidget(browser_);
  resize(kWidth, kHeight);
  eventsId_ = help.events.connect([this](const FormEvent& event) {
    switch (event.kind) {
      case FormEventKind::Shown:
      case FormEventKind::Raised:
        showChapter();
        show();
        raise();
        activateWindow();
        break;
      case FormEventKind::Hidden:
        hide();
        break;
      default:
        break;
    }
  });
  if (help.visible()) {
    showChapter();
    show();
  }
}

HelpWindow::~HelpWindow() {
  detach();
}

void HelpWindow::retranslate(Language language) {
  language_ = language;
  if (!form_) return;
  setWindowTitle(
      toQString(translateComposed(interfaceTranslator(), form_->name(), form_->caption())));
  if (browser_ && isVisible()) showChapter();
}

void HelpWindow::detach() {
  if (!form_) return;
  form_->events.disconnect(eventsId_);
  form_ = nullptr;
}

// A missing manual says where it was looked for, instead of an empty window.
void HelpWindow::showChapter() {
  if (!form_ || !browser_) return;
  const QString path = QString::fromStdString(manualPath(language_));
  if (!QFileInfo::exists(path)) {
    browser_->setPlainText(toQString(translateComposed(
        interfaceTranslator(), text_contexts::kMessage, missingManualText(path.toStdString()))));
    return;
  }
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(toQString(form_->control(help::TxtChapter).text()));
  browser_->setSource(url);
  browser_->scrollToAnchor(url.fragment());
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  if (form_) {
    Form* form = form_;
    runGuardedEvent(form->workspace(), [form] { form->hide(); });
  }
  event->accept();
}

}  // namespace corvane
