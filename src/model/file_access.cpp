#include "model/file_access.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace corvane::files {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMostLinkHops = 40;

constexpr const char* kIsFolder = "这是一个文件夹";
constexpr const char* kNotPlainFile = "这不是普通文件";

std::error_code lastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

}  // namespace

namespace {

struct ErrorReason {
  std::errc error;
  const char* reason;
};

// the system's errors a user can mend, in the user's words
constexpr ErrorReason kReasons[] = {
    {std::errc::no_such_file_or_directory, "文件或文件夹不存在"},
    {std::errc::permission_denied, "没有访问权限"},
    {std::errc::operation_not_permitted, "没有访问权限"},
    {std::errc::no_space_on_device, "磁盘空间不足"},
    {std::errc::read_only_file_system, "磁盘为只读"},
    {std::errc::is_a_directory, kIsFolder},
    {std::errc::not_a_directory, "路径中有一段不是文件夹"},
    {std::errc::file_too_large, "文件超出允许的大小"},
};

}  // namespace

std::string reasonText(const std::error_code& error) {
  for (const ErrorReason& known : kReasons)
    if (error == known.error) return known.reason;
  return error.message();
}

std::vector<std::string> reasonTexts() {
  std::vector<std::string> reasons;
  for (const ErrorReason& known : kReasons) reasons.emplace_back(known.reason);
  reasons.emplace_back(kIsFolder);
  reasons.emplace_back(kNotPlainFile);
  return reasons;
}

Outcome<std::string> readWhole(const std::string& path, std::size_t largest,
                               const std::string& tooLarge) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    return Failure{kIsFolder};
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return Failure{reasonText(lastError())};
  }
  std::string content;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > largest) {
      return Failure{tooLarge};
    }
  }
  if (in.bad()) {
    return Failure{reasonText(lastError())};
  }
  return content;
}

namespace {

// The file a write replaces: a link is saved through, so the file it names
// is replaced and the link stays a link.
Outcome<fs::path> writableTarget(const std::string& path) {
  std::error_code error;
  fs::path target(path);
  for (int hops = 0; fs::is_symlink(target, error); ++hops) {
    if (hops == kMostLinkHops)
      return Failure{reasonText(std::make_error_code(std::errc::too_many_symbolic_link_levels))};
    fs::path next = fs::read_symlink(target, error);
    if (error) return Failure{reasonText(error)};
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) {
    return Failure{kIsFolder};
  }
  // A device, pipe or socket is never replaced by a file of ours.
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return Failure{kNotPlainFile};
  }
  return target;
}

fs::path temporaryFor(const fs::path& target) {
  fs::path temporary = target;
  temporary += ".corvane-tmp";
  return temporary;
}

// The bytes in the target's temporary file, complete; nothing left behind
// when they cannot be.
Outcome<> writeTemporary(const fs::path& target, const std::string& bytes) {
  const fs::path temporary = temporaryFor(target);
  std::error_code error;
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) {
    return Failure{reasonText(lastError())};
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = static_cast<bool>(out);
  std::error_code writeError = lastError();
  out.close();
  if (!written || out.fail()) {
    fs::remove(temporary, error);
    return Failure{reasonText(writeError)};
  }
  return {};
}

// The temporary file replaces the target.
Outcome<> putInPlace(const fs::path& target) {
  const fs::path temporary = temporaryFor(target);
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    const std::string reason = reasonText(error);
    fs::remove(temporary, error);
    return Failure{reason};
  }
  return {};
}

}  // namespace

Outcome<> writeReplacing(const std::string& path, const std::string& bytes) {
  std::string failedPath;
  return writeAllReplacing({{path, bytes}}, failedPath);
}

Outcome<> writeAllReplacing(const std::vector<FileContent>& files, std::string& failedPath) {
  std::vector<fs::path> targets;
  auto removeTemporaries = [&targets] {
    std::error_code ignored;
    for (const fs::path& target : targets) fs::remove(temporaryFor(target), ignored);
  };
  for (const FileContent& file : files) {
    Outcome<fs::path> target = writableTarget(file.path);
    Outcome<> written = Failure{target.reason()};
    if (target) written = writeTemporary(target.value(), file.bytes);
    if (!written) {
      removeTemporaries();
      failedPath = file.path;
      return written;
    }
    targets.push_back(target.value());
  }
  for (std::size_t i = 0; i < targets.size(); ++i) {
    if (Outcome<> placed = putInPlace(targets[i]); !placed) {
      std::error_code ignored;
      for (std::size_t j = i + 1; j < targets.size(); ++j)
        fs::remove(temporaryFor(targets[j]), ignored);
      failedPath = files[i].path;
      return placed;
    }
  }
  return {};
}

}  // namespace corvane::files
