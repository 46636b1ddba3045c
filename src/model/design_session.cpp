#include "model/design_session.h"

#include <algorithm>
#include <filesystem>

#include "model/file_access.h"
#include "model/host.h"
#include "model/project_state.h"
#include "model/workspace.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

std::string absolutePath(const std::string& path) {
  std::error_code error;
  fs::path absolute = fs::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string openFailure(const std::string& path, const std::string& why) {
  return "无法打开设计文件“" + path + "”：" + why + "。";
}

}  // namespace

DesignSession::DesignSession(Workspace& workspace) : workspace_(workspace) {
  changedConnection_ = workspace_.designChanged.connect([this] {
    if (hasUnsavedChanges() != announcedUnsaved_) announce();
  });
}

DesignSession::~DesignSession() {
  workspace_.designChanged.disconnect(changedConnection_);
}

std::string DesignSession::displayName() const {
  if (path_.empty()) return kUntitled;
  return fs::path(path_).filename().string();
}

bool DesignSession::hasUnsavedChanges() const {
  return cleanRevision_ != workspace_.designRevision();
}

void DesignSession::announce() {
  announcedUnsaved_ = hasUnsavedChanges();
  changed.emit();
}

void DesignSession::problem(const std::string& text) const {
  workspace_.host().showMessage(text, MessageIcon::Warning, "");
}

void DesignSession::markClean() {
  cleanRevision_ = workspace_.designRevision();
  removeRecovery();
}

// ---------------------------------------------------------------- save

bool DesignSession::save() {
  if (path_.empty()) return saveAs();
  return saveTo(path_);
}

bool DesignSession::saveAs() {
  std::optional<std::string> chosen = workspace_.host().chooseSaveFile(kProjectFileFilter);
  if (!chosen || chosen->empty()) return false;
  std::string path = *chosen;
  // a name typed without an extension gets the design file's own
  if (!fs::path(path).has_extension()) path += kProjectFileExtension;
  return saveTo(path);
}

bool DesignSession::saveTo(const std::string& path) {
  Outcome<std::string> bytes = encodeProjectFile(captureProject(workspace_));
  Outcome<> written = bytes ? files::writeReplacing(path, bytes.value()) : Failure{bytes.reason()};
  if (!written) {
    problem("无法保存设计文件“" + path + "”：" + written.reason() + "。");
    return false;
  }
  path_ = absolutePath(path);
  markClean();
  rememberRecent(path_);
  announce();
  return true;
}

// ---------------------------------------------------------------- open

bool DesignSession::open() {
  if (!settleUnsavedChanges()) return false;
  std::optional<std::string> chosen = workspace_.host().chooseOpenFile(kProjectFileFilter);
  if (!chosen || chosen->empty()) return false;
  return load(*chosen, false);
}

bool DesignSession::openFile(const std::string& path) {
  if (!settleUnsavedChanges()) return false;
  return load(path, false);
}

bool DesignSession::openRecent(int position) {
  const std::vector<std::string>& recent = recentDesigns();
  if (position < 0 || position >= static_cast<int>(recent.size())) return false;
  const std::string path = recent[position];
  std::error_code error;
  if (!fs::exists(path, error)) {
    problem("设计文件“" + path + "”已不存在，已将它从最近的设计中移除。");
    std::vector<std::string> rest = recent;
    rest.erase(rest.begin() + position);
    recent_ = rest;
    workspace_.host().storeRecentDesigns(rest);
    announce();
    return false;
  }
  return openFile(path);
}

// Everything is read and checked before the design on screen is touched.
bool DesignSession::load(const std::string& path, bool fromRecovery) {
  Outcome<std::string> bytes =
      files::readWhole(path, kLargestProjectFile, "文件太大，不是设计文件");
  if (!bytes) {
    problem(openFailure(path, bytes.reason()));
    return false;
  }
  Outcome<ProjectRecord> record = parseProjectFile(bytes.value());
  Outcome<SkippedParts> fits =
      record ? checkProjectFits(workspace_, record.value()) : Failure{record.reason()};
  if (!fits) {
    problem(openFailure(path, fits.reason()));
    return false;
  }
  std::optional<SkippedParts> skipped = apply(path, record.value());
  if (!skipped) return false;
  if (fromRecovery) {
    path_ = record.value().recoveredFrom;
    cleanRevision_.reset();  // the recovered changes are in no design file
    recoveredRevision_ = workspace_.designRevision();
  } else {
    path_ = absolutePath(path);
    markClean();
    rememberRecent(path_);
  }
  announce();
  // the design is open; what of it this program does not have is named
  if (!skipped->empty())
    workspace_.host().showMessage(skippedMessage(*skipped), MessageIcon::Information, "");
  return true;
}

std::optional<SkippedParts> DesignSession::apply(const std::string& path,
                                                 const ProjectRecord& record) {
  Outcome<SkippedParts> restored = restoreProject(workspace_, record);
  if (!restored) {
    // the scratch copy took it: only a form that behaves differently the
    // second time comes here
    problem(openFailure(path, restored.reason()));
    cleanRevision_.reset();
    announce();
    return std::nullopt;
  }
  return std::move(restored.value());
}

// ---------------------------------------------------------------- new, end

bool DesignSession::settleUnsavedChanges() {
  if (!hasUnsavedChanges()) return true;
  switch (workspace_.host().askYesNoCancel(kUnsavedQuestion, "")) {
    case Answer::Yes:
      return save();
    case Answer::No:
      return true;
    case Answer::Cancel:
      return false;
  }
  return false;
}

bool DesignSession::startNewDesign() {
  if (!settleUnsavedChanges()) return false;
  workspace_.discardDesign();
  path_.clear();
  markClean();
  announce();
  return true;
}

bool DesignSession::endProgram(const std::function<void()>& beforeEnd) {
  if (!settleUnsavedChanges()) return false;
  if (beforeEnd) beforeEnd();
  removeRecovery();
  workspace_.host().quit();
  return true;
}

// ---------------------------------------------------------------- recent

const std::vector<std::string>& DesignSession::recentDesigns() {
  if (!recent_) {
    std::vector<std::string> stored = workspace_.host().recentDesigns();
    if (stored.size() > static_cast<size_t>(kRecentCount)) stored.resize(kRecentCount);
    recent_ = std::move(stored);
  }
  return *recent_;
}

void DesignSession::reloadRecentDesigns() {
  recent_.reset();
  announce();
}

void DesignSession::rememberRecent(const std::string& path) {
  std::vector<std::string> recent = recentDesigns();
  std::erase(recent, path);
  recent.insert(recent.begin(), path);
  if (recent.size() > static_cast<size_t>(kRecentCount)) recent.resize(kRecentCount);
  recent_ = recent;
  workspace_.host().storeRecentDesigns(recent);
}

// ---------------------------------------------------------------- recovery

std::string DesignSession::recoveryPath() const {
  std::string folder = workspace_.host().dataFolder();
  if (folder.empty()) return {};
  return (fs::path(folder) / kRecoveryFile).string();
}

void DesignSession::secondElapsed() {
  ++secondsSinceRecovery_;
  if (!hasUnsavedChanges() || recoveredRevision_ == workspace_.designRevision()) return;
  if (secondsSinceRecovery_ < kRecoveryInterval) return;
  writeRecovery();
}

// Best effort: a recovery copy that cannot be written must not disturb the
// designer at work; the next minute tries again.
void DesignSession::writeRecovery() {
  const std::string path = recoveryPath();
  if (path.empty()) return;
  secondsSinceRecovery_ = 0;
  std::error_code error;
  fs::create_directories(fs::path(path).parent_path(), error);
  ProjectRecord record = captureProject(workspace_);
  record.recoveryCopy = true;
  record.recoveredFrom = path_;
  Outcome<std::string> bytes = encodeProjectFile(record);
  if (bytes && files::writeReplacing(path, bytes.value()))
    recoveredRevision_ = workspace_.designRevision();
}

void DesignSession::removeRecovery() {
  recoveredRevision_.reset();
  const std::string path = recoveryPath();
  if (path.empty()) return;
  std::error_code error;
  fs::remove(path, error);
}

bool DesignSession::offerRecovery() {
  const std::string path = recoveryPath();
  std::error_code error;
  if (path.empty() || !fs::exists(path, error)) return false;
  if (!workspace_.host().askYesNo(kRecoveryQuestion, "")) {
    removeRecovery();
    return false;
  }
  if (!load(path, true)) {
    // a copy that cannot be read back would be offered at every start
    removeRecovery();
    return false;
  }
  return true;
}

}  // namespace corvane
