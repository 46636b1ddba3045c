#include "app/qt/qt_host.h"

#include "app/qt/interface_language.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTime>

#include "app/forms/product.h"
#include "app/qt/qt_convert.h"
#include "app/qt/qt_print_surface.h"
#include "model/print_surface.h"

namespace corvane {

namespace {

// System-information tools of the desktops, the first one installed is used.
constexpr const char* kSystemInformationTools[] = {
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager",
};

// A message's text as the user reads it in the language shown.
QString shown(const std::string& text, const char* context = text_contexts::kMessage) {
  return toQString(translateComposed(interfaceTranslator(), context, text));
}

QString titleOrProduct(const std::string& title) {
  return shown(title.empty() ? std::string(product::kTitle) : title);
}

QString defaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(QStringLiteral("corvane.lock"));
}

// A message box is as wide as its text; a short text under a long title
// would have the window manager cut the title. The box is made wide enough
// for the title and the title bar's own buttons.
void fitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  constexpr int kTitleBarButtons = 120;  // close, maximise, icon: pixels
  QFont titleFont = box.font();          // window managers draw titles in about this, often bold
  titleFont.setBold(true);
  const int needed =
      QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
  grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QtHost::QtHost(QString lockFile) : lockPath_(lockFile.isEmpty() ? defaultLockPath() : lockFile) {}

QtHost::~QtHost() = default;

QWidget* QtHost::dialogParent() const {
  return QApplication::activeWindow();
}

void QtHost::showMessage(const std::string& text, MessageIcon icon, const std::string& title) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  titleOrProduct(title), shown(text), QMessageBox::Ok, dialogParent());
  box.button(QMessageBox::Ok)->setText(shown("确定"));
  fitTitle(box);
  box.exec();
}

bool QtHost::askYesNo(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, titleOrProduct(title), shown(text),
                  QMessageBox::Yes | QMessageBox::No, dialogParent());
  box.button(QMessageBox::Yes)->setText(shown("是(&Y)"));
  box.button(QMessageBox::No)->setText(shown("否(&N)"));
  fitTitle(box);
  return box.exec() == QMessageBox::Yes;
}

Answer QtHost::askYesNoCancel(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::Question, titleOrProduct(title), shown(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent());
  box.button(QMessageBox::Yes)->setText(shown("是(&Y)"));
  box.button(QMessageBox::No)->setText(shown("否(&N)"));
  box.button(QMessageBox::Cancel)->setText(shown("取消"));
  box.setEscapeButton(QMessageBox::Cancel);
  fitTitle(box);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::string> QtHost::inputBox(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
  QInputDialog dialog(dialogParent());
  dialog.setWindowTitle(titleOrProduct(title));
  dialog.setLabelText(shown(prompt));
  dialog.setTextValue(toQString(defaultText));
  dialog.setOkButtonText(shown("确定"));
  dialog.setCancelButtonText(shown("取消"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return toStd(dialog.textValue());
}

// Each entry once: a label that already shows its patterns in brackets
// ("CVN(*.CVN)") keeps them, the brackets then holding the patterns as Qt
// reads them ("*.*" matches every file as "*"); a label without them gets
// them appended, and a label that is nothing but brackets is named.
QString QtHost::qtFilter(const std::string& filter) {
  QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    QString label = parts[i].trimmed();
    const qsizetype open = label.lastIndexOf(QLatin1Char('('));
    if (open >= 0 && label.endsWith(QLatin1Char(')')))
      label.truncate(open);  // keeps the space before the bracket, if any
    else
      label += QLatin1Char(' ');
    if (label.trimmed().isEmpty()) label = QStringLiteral("所有文件 ");
    if (containsCjk(toStd(label)))
      label = shown(toStd(label.trimmed()), text_contexts::kProgram) + QLatin1Char(' ');
    entries << label + QLatin1Char('(') + patterns + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

QString QtHost::defaultSuffix(const QString& entry) {
  const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
  const QString patterns = entry.mid(open + 1).chopped(entry.endsWith(QLatin1Char(')')) ? 1 : 0);
  const QString first = patterns.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
  if (!first.startsWith(QStringLiteral("*.")) || first.size() < 3) return {};
  const QString suffix = first.mid(2);
  if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
  return suffix;
}

std::optional<std::string> QtHost::chooseOpenFile(const std::string& filter) {
  QString path =
      QFileDialog::getOpenFileName(dialogParent(), QString(), dialogFolder(), qtFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return toStd(path);
}

// A name typed without extension gets the chosen entry's ("test1" is saved
// as "test1.CVN"), so that the Open dialog's filter shows the file again.
std::optional<std::string> QtHost::chooseSaveFile(const std::string& filter) {
  QFileDialog dialog(dialogParent(), QString(), dialogFolder());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(qtFilter(filter));
  dialog.setDefaultSuffix(defaultSuffix(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& entry) {
    dialog.setDefaultSuffix(defaultSuffix(entry));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return toStd(dialog.selectedFiles().front());
}

std::unique_ptr<PrintSurface> QtHost::choosePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Portrait);
  QPrintDialog dialog(printer.get(), dialogParent());
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  // "print to file" goes through our own PDF writer, which leaves no half
  // written file behind when the report stops
  // the user asked for the page: a device that cannot start it says why
  if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
    std::string path = toStd(printer->outputFileName());
    std::string why;
    std::unique_ptr<PrintSurface> pdf = makePdfSurface(path, &why);
    if (pdf) pdf->translateWith(&interfaceTranslator());
    if (!pdf) showMessage("无法打印到“" + path + "”：" + why + "。", MessageIcon::Warning, {});
    return pdf;
  }
  std::string name = toStd(printer->printerName());
  std::unique_ptr<PrintSurface> page = makePrinterSurface(std::move(printer));
  if (page) page->translateWith(&interfaceTranslator());
  if (!page)
    showMessage("无法打印到“" + name + "”：打印机无法开始打印。", MessageIcon::Warning, {});
  return page;
}

CalendarDate QtHost::today() {
  QDate date = QDate::currentDate();
  return {date.year(), date.month(), date.day()};
}

ClockTime QtHost::now() {
  QTime time = QTime::currentTime();
  return {time.hour(), time.minute(), time.second()};
}

void QtHost::quit() {
  quitRequested_ = true;
  QCoreApplication::exit(0);
}

bool QtHost::launchSystemInformation() {
  for (const char* tool : kSystemInformationTools) {
    QString program = QStandardPaths::findExecutable(QString::fromUtf8(tool));
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
  }
  return false;
}

QString QtHost::handOffServerName() const {
  QFileInfo lock(lockPath_);
  return lock.dir().filePath(lock.completeBaseName() + QStringLiteral(".socket"));
}

namespace {
constexpr const char* kLanguageKey = "language";
constexpr const char* kRecentKey = "recentDesigns";
}  // namespace

std::vector<std::string> QtHost::recentDesigns() {
  std::unique_ptr<QSettings> settings = openSettings();
  std::vector<std::string> paths;
  for (const QString& path : settings->value(QString::fromUtf8(kRecentKey)).toStringList())
    paths.push_back(toStd(path));
  return paths;
}

void QtHost::storeRecentDesigns(const std::vector<std::string>& paths) {
  QStringList list;
  for (const std::string& path : paths) list << toQString(path);
  std::unique_ptr<QSettings> settings = openSettings();
  settings->setValue(QString::fromUtf8(kRecentKey), list);
}

QString QtHost::dialogFolder() {
  for (const std::string& path : recentDesigns()) {
    const QFileInfo design(toQString(path));
    if (design.dir().exists()) return design.absolutePath();
  }
  return {};
}

std::optional<Language> QtHost::storedLanguage() const {
  std::unique_ptr<QSettings> settings = openSettings();
  Language language;
  const std::string code = toStd(settings->value(QString::fromUtf8(kLanguageKey)).toString());
  if (!languageFromCode(code, language)) return std::nullopt;
  return language;
}

void QtHost::storeLanguage(Language language) {
  std::unique_ptr<QSettings> settings = openSettings();
  settings->setValue(QString::fromUtf8(kLanguageKey), QString::fromUtf8(languageCode(language)));
}

std::unique_ptr<QSettings> QtHost::openSettings() const {
  if (!settingsFile_.isEmpty())
    return std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("corvane"),
                                     QStringLiteral("corvane"));
}

std::string QtHost::dataFolder() {
  if (!dataFolder_.isEmpty()) return toStd(dataFolder_);
  return toStd(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool QtHost::anotherInstanceRunning() {
  if (lockChecked_) return otherCopyRuns_;
  lockChecked_ = true;
  lock_ = std::make_unique<QLockFile>(lockPath_);
  lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
  otherCopyRuns_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
  return otherCopyRuns_;
}

}  // namespace corvane
