// The platform layer: every place where the programs touch the operating system directly.
#ifndef LIREX_COMMON_PLATFORM_H_
#define LIREX_COMMON_PLATFORM_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lirex {

// The running program's directory, without a trailing separator.
std::string RunDirectory();

// The separator that joins RunDirectory and a file name.
inline constexpr char kPathSeparator = '/';

std::string FileBesideProgram(const std::string& file_name);

// Makes RunDirectory the current directory; a failure leaves the current directory as it was.
void EnterRunDirectory();

// True when the directory holds any entry of that name: a file, a folder, even a broken link.
bool DirectoryEntryExists(const std::string& path);

// True for a regular file itself, not a link to one.
bool IsRegularFile(const std::string& path);

// The bytes of the regular file at `path` (a link to one counts), read without ever blocking on a
// pipe or device; nothing for any other entry, an unreadable file or one of more than `max_bytes`.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t max_bytes);

// Writes the whole file, replacing one that is there. The bytes go to a neighbouring temporary
// file of a unique name first and take the name only once complete, so a failed write, or two
// programs writing at once, never leave a partial file under the name. False on any failure.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// Windows marks dropped files hidden; this file system has no such attribute.
void SetFileHidden(const std::string& path);

// Starts a program without waiting for it, in the current directory, with no arguments.
// "calc.exe" and "notepad.exe" stand for the desktop's calculator and text editor, the first of
// a short list of common ones that is installed. False when nothing could be started.
bool RunProgram(const std::string& command_line);

}  // namespace lirex

#endif  // LIREX_COMMON_PLATFORM_H_
