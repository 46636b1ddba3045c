// Qt's own texts (file and print dialogs, standard buttons) in Chinese, the
// language of every form, whatever the system's locale is.
#pragma once

class QCoreApplication;

namespace corvane {

// Loads qtbase_zh_CN from Qt's translations folder (Debian package
// qt6-translations-l10n); without it Qt's dialogs stay English. Returns
// whether it was found.
bool installQtTranslations(QCoreApplication& app);

}  // namespace corvane
