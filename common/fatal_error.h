// The box through which both programs end when they cannot go on.
#ifndef LIREX_COMMON_FATAL_ERROR_H_
#define LIREX_COMMON_FATAL_ERROR_H_

#include <optional>
#include <string>
#include <string_view>

namespace lirex {

// -1 as the process's exit code; the shell sees 255.
inline constexpr int kFatalExitCode = -1;

// GBK: "运行时出错!", a blank line, the error number and a blank line when there is one, then
// "错误信息：" and the message.
std::string FatalErrorText(std::optional<int> error_number, std::string_view message);

// Shows a parentless modal box titled "错误" with an error icon and one OK button; when it is
// closed the process ends at once with kFatalExitCode.
[[noreturn]] void FatalErrorBox(std::optional<int> error_number, std::string_view message);

}  // namespace lirex

#endif  // LIREX_COMMON_FATAL_ERROR_H_
