#include "model/file_access.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace corvane::files {

namespace {

namespace fs = std::filesystem;

std::error_code lastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

}  // namespace

std::string reasonText(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory) return "文件或文件夹不存在";
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
    return "没有访问权限";
  if (error == std::errc::no_space_on_device) return "磁盘空间不足";
  if (error == std::errc::read_only_file_system) return "磁盘为只读";
  if (error == std::errc::is_a_directory) return "这是一个文件夹";
  return error.message();
}

Outcome<std::string> readWhole(const std::string& path, std::size_t largest,
                               const std::string& tooLarge) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    return Failure{"这是一个文件夹"};
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

Outcome<> writeReplacing(const std::string& path, const std::string& bytes) {
  fs::path target(path);
  fs::path temporary = target;
  temporary += ".corvane-tmp";
  std::error_code error;
  if (fs::is_directory(target, error)) {
    return Failure{"这是一个文件夹"};
  }
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
  fs::rename(temporary, target, error);
  if (error) {
    const std::string reason = reasonText(error);
    fs::remove(temporary, error);
    return Failure{reason};
  }
  return {};
}

}  // namespace corvane::files
