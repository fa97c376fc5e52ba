#include "common/text_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace lirex {
namespace {

// A lone lead byte at the very end counts as a whole character; callers clamp to the text.
size_t CharacterLength(unsigned char first_byte) { return first_byte >= 0x80 ? 2 : 1; }

size_t StepFrom(std::string_view text, size_t pos) {
  return std::min(text.size(), pos + CharacterLength(static_cast<unsigned char>(text[pos])));
}

// Starting points are 1-based; anything below 1 means the first byte.
size_t StartOffset(std::optional<int> start) {
  return start.has_value() && *start > 1 ? static_cast<size_t>(*start) - 1 : 0;
}

// Character starts are counted from the beginning of the text, so a start on the second byte of
// a two-byte character moves on to the next character.
size_t FirstCharacterStartFrom(std::string_view text, size_t offset) {
  size_t pos = 0;
  while (pos < offset && pos < text.size()) pos = StepFrom(text, pos);
  return pos;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Ignoring case folds single-byte characters only: the second byte of a two-byte character may
// fall in the range of ASCII letters.
bool MatchesAt(std::string_view text, size_t pos, std::string_view wanted, bool ignore_case) {
  if (text.size() - pos < wanted.size()) return false;
  std::string_view here = text.substr(pos, wanted.size());
  if (!ignore_case) return here == wanted;
  for (size_t i = 0; i < here.size();) {
    const size_t length =
        std::min(here.size() - i, CharacterLength(static_cast<unsigned char>(here[i])));
    if (length == 1 ? AsciiLower(here[i]) != AsciiLower(wanted[i])
                    : here.substr(i, length) != wanted.substr(i, length)) {
      return false;
    }
    i += length;
  }
  return true;
}

bool IsAsciiSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Full-width forms of the printable ASCII range and a few look-alikes fold to one byte.
std::string FoldFullWidth(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80 || pos + 1 >= text.size()) {
      folded.push_back(text[pos++]);
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.append(text.substr(pos, 2));
    }
    pos += 2;
  }
  return folded;
}

}  // namespace

int TextLength(std::string_view text) { return static_cast<int>(text.size()); }

int CompareTexts(std::string_view a, std::string_view b) {
  const int order = a.compare(b);
  return (order > 0) - (order < 0);
}

std::string JoinTexts(std::initializer_list<std::string_view> texts) {
  size_t length = 0;
  for (std::string_view text : texts) length += text.size();
  std::string joined;
  joined.reserve(length);
  for (std::string_view text : texts) joined.append(text);
  return joined;
}

std::string IntToText(int32_t value) { return std::to_string(value); }

std::string RealToText(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

int32_t TextToInt(std::string_view text) {
  const std::string folded = FoldFullWidth(text);
  size_t pos = 0;
  while (pos < folded.size() && IsAsciiSpace(folded[pos])) ++pos;
  bool negative = false;
  if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-')) {
    negative = folded[pos] == '-';
    ++pos;
  }
  uint32_t value = 0;
  for (; pos < folded.size() && folded[pos] >= '0' && folded[pos] <= '9'; ++pos) {
    value = value * 10u + static_cast<uint32_t>(folded[pos] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

int32_t RealToInt(double value) {
  const double truncated = std::trunc(value);
  if (!(truncated >= -2147483648.0 && truncated <= 2147483647.0)) return INT32_MIN;
  return static_cast<int32_t>(truncated);
}

int FindText(std::string_view text, std::string_view wanted, std::optional<int> start,
             bool ignore_case) {
  const size_t offset = StartOffset(start);
  if (offset >= text.size()) return -1;
  if (wanted.empty()) return 1;
  for (size_t pos = FirstCharacterStartFrom(text, offset); text.size() - pos >= wanted.size();
       pos = StepFrom(text, pos)) {
    if (MatchesAt(text, pos, wanted, ignore_case)) return static_cast<int>(pos) + 1;
  }
  return -1;
}

std::string ReplaceText(std::string_view text, std::string_view old_text, std::string_view new_text,
                        std::optional<int> start, std::optional<int> limit, bool case_sensitive) {
  const size_t from = FirstCharacterStartFrom(text, StartOffset(start));
  const bool unlimited = !limit.has_value() || *limit < 0;
  if (text.empty() || old_text.empty() || from >= text.size() || (!unlimited && *limit == 0)) {
    return std::string(text);
  }
  std::string result(text.substr(0, from));
  int replaced = 0;
  size_t pos = from;
  while (pos < text.size()) {
    if (MatchesAt(text, pos, old_text, !case_sensitive)) {
      result.append(new_text);
      pos += old_text.size();
      if (!unlimited && ++replaced == *limit) break;
    } else {
      const size_t next = StepFrom(text, pos);
      result.append(text.substr(pos, next - pos));
      pos = next;
    }
  }
  result.append(text.substr(pos));
  return result;
}

std::vector<std::string> SplitText(std::string_view text, std::optional<std::string_view> delimiter,
                                   std::optional<int> max_pieces) {
  const std::string_view separator = delimiter.value_or(",");
  const bool unlimited = !max_pieces.has_value();
  const size_t most = unlimited ? 0 : static_cast<size_t>(std::max(*max_pieces, 0));
  std::vector<std::string> pieces;
  if (text.empty() || (!unlimited && most == 0)) return pieces;
  if (separator.empty()) return {std::string(text)};
  size_t piece_start = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    if (!MatchesAt(text, pos, separator, false)) {
      pos = StepFrom(text, pos);
      continue;
    }
    pieces.emplace_back(text.substr(piece_start, pos - piece_start));
    pos += separator.size();
    piece_start = pos;
    if (!unlimited && pieces.size() == most) return pieces;
  }
  if (piece_start < text.size()) pieces.emplace_back(text.substr(piece_start));
  return pieces;
}

void SortIntegers(std::vector<int32_t>& array, bool ascending) {
  if (ascending) {
    std::sort(array.begin(), array.end());
  } else {
    std::sort(array.begin(), array.end(), std::greater<>());
  }
}

}  // namespace lirex
