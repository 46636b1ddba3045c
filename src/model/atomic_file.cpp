#include "model/atomic_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace corvane {

namespace {
namespace fs = std::filesystem;

std::error_code lastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}
}  // namespace

std::string fileErrorReason(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory) return "文件或文件夹不存在";
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
    return "没有访问权限";
  if (error == std::errc::no_space_on_device) return "磁盘空间不足";
  if (error == std::errc::read_only_file_system) return "磁盘为只读";
  if (error == std::errc::is_a_directory) return "这是一个文件夹";
  return error.message();
}

bool writeFileReplacing(const std::string& path, std::string_view bytes, std::string& why) {
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
    why = fileErrorReason(lastError());
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = static_cast<bool>(out);
  std::error_code writeError = lastError();
  out.close();
  if (!written || out.fail()) {
    why = fileErrorReason(writeError);
    fs::remove(temporary, error);
    return false;
  }
  fs::rename(temporary, target, error);
  if (error) {
    why = fileErrorReason(error);
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace corvane
