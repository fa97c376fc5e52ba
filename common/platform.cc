#include "common/platform.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace lirex {

std::string RunDirectory() {
  std::error_code error;
  const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
  const size_t cut = program.rfind(kPathSeparator);
  return cut == std::string::npos ? std::string() : program.substr(0, cut);
}

std::string FileBesideProgram(const std::string& file_name) {
  return RunDirectory() + kPathSeparator + file_name;
}

void EnterRunDirectory() {
  const std::string directory = RunDirectory();
  if (!directory.empty() && chdir(directory.c_str()) != 0) return;
}

}  // namespace lirex
