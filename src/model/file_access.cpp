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

bool readWhole(const std::string& path, std::size_t largest, const std::string& tooLarge,
               std::string& bytes, std::string& why) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    why = "这是一个文件夹";
    return false;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    why = reasonText(lastError());
    return false;
  }
  std::string content;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > largest) {
      why = tooLarge;
      return false;
    }
  }
  if (in.bad()) {
    why = reasonText(lastError());
    return false;
  }
  bytes = std::move(content);
  return true;
}

bool writeReplacing(const std::string& path, const std::string& bytes, std::string& why) {
  fs::path target(path);
  fs::path temporary = target;
  temporary += ".corvane-tmp";
  std::error_code error;
  if (fs::is_directory(target, error)) {
    why = "这是一个文件夹";
    return false;
  }
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) {
    why = reasonText(lastError());
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = static_cast<bool>(out);
  std::error_code writeError = lastError();
  out.close();
  if (!written || out.fail()) {
    why = reasonText(writeError);
    fs::remove(temporary, error);
    return false;
  }
  fs::rename(temporary, target, error);
  if (error) {
    why = reasonText(error);
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace corvane::files
