#include "app/qt/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace corvane {

std::string QtTranslator::translate(std::string_view context, const std::string& source) const {
  const std::string contextName(context);
  QString shown = QCoreApplication::translate(contextName.c_str(), source.c_str());
  return shown.toStdString();
}

const Translator& interfaceTranslator() {
  static const QtTranslator translator;
  return translator;
}

InterfaceLanguage::InterfaceLanguage() {
  englishLoaded_ = english_.load(QStringLiteral(":/i18n/corvane_en.qm"));
  qtChineseLoaded_ = qtChinese_.load(QStringLiteral("qtbase_zh_CN"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceLanguage::~InterfaceLanguage() {
  QCoreApplication::removeTranslator(&english_);
  QCoreApplication::removeTranslator(&qtChinese_);
}

bool InterfaceLanguage::apply(Language language) {
  if (language == Language::English && !englishLoaded_) return false;
  QCoreApplication::removeTranslator(&english_);
  QCoreApplication::removeTranslator(&qtChinese_);
  if (language == Language::English)
    QCoreApplication::installTranslator(&english_);
  else if (qtChineseLoaded_)
    QCoreApplication::installTranslator(&qtChinese_);
  current_ = language;
  return true;
}

Language InterfaceLanguage::ofLocale(const QLocale& locale) {
  return locale.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

Language InterfaceLanguage::atStart(std::optional<Language> commandLine,
                                    std::optional<Language> stored) {
  if (commandLine) return *commandLine;
  if (stored) return *stored;
  return ofLocale(QLocale::system());
}

}  // namespace corvane
