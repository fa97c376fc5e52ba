#include "common/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <filesystem>
#include <map>
#include <cerrno>
#include <system_error>
#include <vector>

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
  // A program in the root directory has the empty text as its directory.
  const std::string directory = RunDirectory();
  std::error_code ignored;
  std::filesystem::current_path(directory.empty() ? std::string(1, kPathSeparator) : directory,
                                ignored);
}

bool DirectoryEntryExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::optional<std::string> ReadRegularFile(const std::string& path, size_t max_bytes) {
  // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer for ever.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  struct stat status;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
      static_cast<uintmax_t>(status.st_size) <= max_bytes) {
    std::string read_so_far(static_cast<size_t>(status.st_size), '\0');
    size_t done = 0;
    while (done < read_so_far.size()) {
      const ssize_t got = read(fd, read_so_far.data() + done, read_so_far.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    read_so_far.resize(done);
    bytes = std::move(read_so_far);
  }
  close(fd);
  return bytes;
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error));
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void SetFileHidden(const std::string& /*path*/) {}

bool RunProgram(const std::string& command_line) {
  static const std::map<std::string, std::vector<const char*>> kDesktopPrograms = {
      {"calc.exe",
       {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}},
      {"notepad.exe",
       {"gedit", "gnome-text-editor", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad",
        "leafpad", "xedit"}},
  };
  QString program = QString::fromStdString(command_line);
  if (auto desktop = kDesktopPrograms.find(command_line); desktop != kDesktopPrograms.end()) {
    program.clear();
    for (const char* candidate : desktop->second) {
      program = QStandardPaths::findExecutable(QString::fromLatin1(candidate));
      if (!program.isEmpty()) break;
    }
    if (program.isEmpty()) return false;
  }
  return QProcess::startDetached(program, {}, QDir::currentPath());
}

}  // namespace lirex
