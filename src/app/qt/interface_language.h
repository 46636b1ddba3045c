// The language the program's windows, dialogs and reports speak: Chinese,
// the texts as the forms hold them, or English from the translations built
// into the program (:/i18n/corvane_en.qm). Switching installs or removes
// the application's translators; every text on its way to the user asks
// interfaceTranslator(), which reads through whichever are installed.
#pragma once

#include <QTranslator>
#include <optional>
#include <string>

#include "model/translator.h"

class QLocale;

namespace corvane {

// Qt's translation of a text in its context; the text itself while the
// program speaks Chinese.
class QtTranslator final : public Translator {
 public:
  std::string translate(std::string_view context, const std::string& source) const override;
};
const Translator& interfaceTranslator();

class InterfaceLanguage {
 public:
  InterfaceLanguage();
  ~InterfaceLanguage();
  InterfaceLanguage(const InterfaceLanguage&) = delete;
  InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

  Language current() const { return current_; }
  // Installs the translators of `language`: the program's English texts, or
  // Qt's own dialogs in Chinese. False when the English texts cannot be
  // loaded (the program then stays Chinese).
  bool apply(Language language);

  // The first start's language: Chinese for a Chinese locale, else English.
  static Language ofLocale(const QLocale& locale);
  // `--lang`, then the stored choice, then the system's locale.
  static Language atStart(std::optional<Language> commandLine, std::optional<Language> stored);

 private:
  QTranslator english_;
  QTranslator qtChinese_;
  bool englishLoaded_ = false;
  bool qtChineseLoaded_ = false;
  Language current_ = Language::Chinese;
};

}  // namespace corvane
