// The conditions file: which banker digits and kill boxes are ticked, saved and read back.
//
// UTF-8 text, one key per line, "key = values" with the values separated by spaces:
//
//   # 三星缩水条件
//   版本 = 1
//   胆 = 3 5
//   百 = 0 0路 大
//   十 =
//   个 = 9
//   跨 = 0
//   和 = 0 27
//   组合 = 000 前对子
//
// The version comes first. Each other key is a group of boxes (胆 banker digits, 百 十 个 the
// positions, 跨 span, 和 sum, 组合 patterns) and its values are the captions of the ticked boxes.
// Lines starting with "#" and blank lines are skipped; a key may be left out (nothing ticked).
// Anything else (an unknown key or caption, another version, a repeated key, a line without
// "=") makes the whole file unreadable.
#ifndef LIREX_SHRINKER_CONDITIONS_FILE_H_
#define LIREX_SHRINKER_CONDITIONS_FILE_H_

#include <string>
#include <string_view>
#include <variant>

#include "shrinker/generation.h"

namespace lirex {

inline constexpr int kConditionsFormatVersion = 1;

struct FileError {
  int line;             // 1-based; 0 when the error is about the whole file
  std::string message;  // UTF-8, Chinese, says what is wrong on that line
};

// The file's text (UTF-8) for the ticked boxes.
std::string WriteConditions(const TickSet& ticks);

// The ticks the file names, or the first line that is wrong.
std::variant<TickSet, FileError> ReadConditions(std::string_view text);

}  // namespace lirex

#endif  // LIREX_SHRINKER_CONDITIONS_FILE_H_
