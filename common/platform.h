// The platform layer: every place where the programs touch the operating system directly.
#ifndef LIREX_COMMON_PLATFORM_H_
#define LIREX_COMMON_PLATFORM_H_

#include <string>

namespace lirex {

// The running program's directory, without a trailing separator.
std::string RunDirectory();

// The separator that joins RunDirectory and a file name.
inline constexpr char kPathSeparator = '/';

std::string FileBesideProgram(const std::string& file_name);

// Makes RunDirectory the current directory; a failure leaves the current directory as it was.
void EnterRunDirectory();

}  // namespace lirex

#endif  // LIREX_COMMON_PLATFORM_H_
