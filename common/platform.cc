#include "common/platform.h"

#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

namespace lirex {
namespace {

// Runs in the child between fork and exec: system calls only.
void MarkDescriptorsCloseOnExec(unsigned first) {
  if (syscall(SYS_close_range, first, ~0U, CLOSE_RANGE_CLOEXEC) == 0) return;
  const long most = sysconf(_SC_OPEN_MAX);
  for (long fd = first; fd < (most > 0 ? most : 65536); ++fd) {
    const int flags = fcntl(static_cast<int>(fd), F_GETFD);
    if (flags >= 0) fcntl(static_cast<int>(fd), F_SETFD, flags | FD_CLOEXEC);
  }
}

// Starts `program` as a grandchild, so that no zombie is left behind, with only standard input,
// output and error inherited: the browser engine's sockets and shared memory would otherwise
// keep its helpers alive after Dalo ends. (QProcess::startDetached passes on every descriptor
// not marked close-on-exec.) False when the program could not be started.
bool StartDetached(const std::string& program, const std::string& directory) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    // Only async-signal-safe calls from here on.
    setsid();
    const pid_t grandchild = fork();
    if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
    MarkDescriptorsCloseOnExec(3);
    int error = 0;
    if (chdir(directory.c_str()) == 0) {
      char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
      execv(program.c_str(), arguments);
    }
    error = errno;
    ssize_t ignored = write(report[1], &error, sizeof error);
    (void)ignored;
    _exit(127);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace

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
  if (!program.contains(QLatin1Char('/'))) program = QStandardPaths::findExecutable(program);
  if (program.isEmpty()) return false;
  return StartDetached(QFile::encodeName(program).toStdString(),
                       QFile::encodeName(QDir::currentPath()).toStdString());
}

}  // namespace lirex
