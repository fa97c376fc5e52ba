#include "shrinker/base_file.h"

#include <QByteArrayView>
#include <bitset>

#include "common/gbk.h"
#include "common/text_ops.h"
#include "shrinker/base_text.h"

namespace lirex {
namespace {

bool IsThreeDigits(std::string_view piece) {
  return piece.size() == 3 && piece[0] >= '0' && piece[0] <= '9' && piece[1] >= '0' &&
         piece[1] <= '9' && piece[2] >= '0' && piece[2] <= '9';
}

// The file's text as UTF-8: UTF-8 as it is (less a byte-order mark), anything else as GBK.
std::string AsUtf8(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8()) {
    return std::string(bytes);
  }
  return FromGbk(bytes).toStdString();
}

// The length of the separator at `pos`, or 0.
size_t SeparatorAt(std::string_view text, size_t pos) {
  const char c = text[pos];
  if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') return 1;
  for (std::string_view wide :
       {std::string_view("，"), std::string_view("、"), std::string_view("　")}) {
    if (text.substr(pos, wide.size()) == wide) return wide.size();
  }
  return 0;
}

}  // namespace

std::string WriteBaseFile(std::string_view base_text) {
  std::string file;
  for (const std::string& piece : SplitText(base_text, " ")) {
    if (IsThreeDigits(piece)) file += (file.empty() ? "" : " ") + piece;
  }
  return file + "\n";
}

std::variant<std::string, FileError> ReadBaseFile(std::string_view bytes) {
  const std::string text = AsUtf8(bytes);
  std::bitset<kNumberCount> seen;
  std::string base;
  int line = 1;
  int item = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == '\n') {
      ++line;
      item = 0;
      ++pos;
      continue;
    }
    if (const size_t separator = SeparatorAt(text, pos); separator > 0) {
      pos += separator;
      continue;
    }
    size_t end = pos;
    while (end < text.size() && SeparatorAt(text, end) == 0) ++end;
    const std::string_view piece = std::string_view(text).substr(pos, end - pos);
    ++item;
    if (!IsThreeDigits(piece)) {
      return FileError{line, "第" + std::to_string(line) + "行第" + std::to_string(item) + "项“" +
                                 std::string(piece.substr(0, 40)) + "”不是三位数的号码"};
    }
    const int number = (piece[0] - '0') * 100 + (piece[1] - '0') * 10 + (piece[2] - '0');
    if (!seen[number]) {
      seen[number] = true;
      base += std::string(piece) + " ";
    }
    pos = end;
  }
  if (base.empty()) return FileError{0, "文件中没有号码"};
  return base;
}

}  // namespace lirex
