// Plain, slow versions of the text and number operations, written from their contracts alone,
// for the fuzz targets to hold the real ones against.
#ifndef LIREX_FUZZ_TEXT_OPS_REFERENCE_H_
#define LIREX_FUZZ_TEXT_OPS_REFERENCE_H_

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace lirex::reference {

inline bool IsLead(unsigned char byte) { return byte >= 0x80; }

// Every character start, counted from the first byte.
inline std::vector<size_t> CharacterStarts(const std::string& text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); i += IsLead(static_cast<unsigned char>(text[i])) ? 2 : 1) {
    starts.push_back(i);
  }
  return starts;
}

inline size_t Offset(std::optional<int> start) {
  return start && *start >= 1 ? static_cast<size_t>(*start - 1) : 0;
}

inline char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Ignoring case folds ASCII letters that are characters of their own in the text.
inline bool Matches(const std::string& text, size_t at, const std::string& wanted, bool fold) {
  if (at + wanted.size() > text.size()) return false;
  bool second_byte = false;
  for (size_t i = 0; i < wanted.size(); ++i) {
    const char t = text[at + i];
    const bool single = !second_byte && !IsLead(static_cast<unsigned char>(t));
    if (fold && single ? Lower(t) != Lower(wanted[i]) : t != wanted[i]) return false;
    second_byte = !second_byte && IsLead(static_cast<unsigned char>(t));
  }
  return true;
}

inline int TextLength(const std::string& text) {
  int length = 0;
  for ([[maybe_unused]] char c : text) ++length;
  return length;
}

inline int CompareTexts(const std::string& a, const std::string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline std::string IntToText(int32_t value) {
  if (value == 0) return "0";
  int64_t magnitude = value;
  const bool negative = magnitude < 0;
  if (negative) magnitude = -magnitude;
  std::string digits;
  for (; magnitude > 0; magnitude /= 10) digits.insert(digits.begin(), char('0' + magnitude % 10));
  return negative ? "-" + digits : digits;
}

inline std::string Int64ToText(int64_t value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

inline std::string RealToText(double value) {
  std::ostringstream out;
  out << std::setprecision(13) << value;
  return out.str();
}

inline int32_t TextToInt(const std::string& text) {
  // Full-width forms (0xA3 0xA1 to 0xA3 0xFE) are the ASCII characters 0x21 to 0x7E; the
  // ideographic space (0xA1 0xA1) is a space.
  std::string folded;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (!IsLead(lead) || i + 1 == text.size()) {
      folded += text[i++];
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else {
      folded += '\x80';  // some other character: neither space, sign nor digit
    }
    i += 2;
  }
  size_t i = 0;
  while (i < folded.size() && std::string(" \t\n\v\f\r").find(folded[i]) != std::string::npos) ++i;
  int64_t sign = 1;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-'))
    sign = folded[i++] == '-' ? -1 : 1;
  uint64_t value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = (value * 10 + static_cast<uint64_t>(folded[i] - '0')) % 4294967296u;
  }
  const uint64_t wrapped = sign < 0 ? (4294967296u - value) % 4294967296u : value;
  return static_cast<int32_t>(wrapped >= 2147483648u ? static_cast<int64_t>(wrapped) - 4294967296
                                                     : static_cast<int64_t>(wrapped));
}

inline int32_t RealToInt(double value) {
  if (std::isnan(value)) return INT32_MIN;
  const long double truncated = std::trunc(static_cast<long double>(value));
  if (truncated < -2147483648.0L || truncated > 2147483647.0L) return INT32_MIN;
  return static_cast<int32_t>(truncated);
}

inline int FindText(const std::string& text, const std::string& wanted, std::optional<int> start,
                    bool ignore_case) {
  const size_t offset = Offset(start);
  if (offset >= text.size()) return -1;
  if (wanted.empty()) return 1;
  for (size_t at : CharacterStarts(text)) {
    if (at >= offset && Matches(text, at, wanted, ignore_case)) return static_cast<int>(at) + 1;
  }
  return -1;
}

inline std::string ReplaceText(const std::string& text, const std::string& old_text,
                               const std::string& new_text, std::optional<int> start,
                               std::optional<int> limit, bool case_sensitive) {
  const size_t offset = Offset(start);
  const bool unlimited = !limit || *limit < 0;
  if (text.empty() || old_text.empty() || offset >= text.size() || (!unlimited && *limit == 0)) {
    return text;
  }
  const std::vector<size_t> starts = CharacterStarts(text);
  size_t from = text.size();
  for (size_t at : starts) {
    if (at >= offset) {
      from = at;
      break;
    }
  }
  std::string result = text.substr(0, from);
  int replaced = 0;
  size_t at = from;
  while (at < text.size()) {
    if (!unlimited && replaced == *limit) break;
    if (Matches(text, at, old_text, !case_sensitive)) {
      result += new_text;
      at += old_text.size();
      ++replaced;
    } else {
      const size_t length = IsLead(static_cast<unsigned char>(text[at])) ? 2 : 1;
      result += text.substr(at, length);
      at += length;
    }
  }
  if (at < text.size()) result += text.substr(at);
  return result;
}

inline std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter,
                                          std::optional<int> max_pieces) {
  std::vector<std::string> pieces;
  const bool unlimited = !max_pieces;
  const size_t most = unlimited ? 0 : static_cast<size_t>(*max_pieces < 0 ? 0 : *max_pieces);
  if (text.empty() || (!unlimited && most == 0)) return pieces;
  if (delimiter.empty()) return {text};
  size_t piece_start = 0;
  size_t at = 0;
  while (at < text.size()) {
    if (Matches(text, at, delimiter, false)) {
      pieces.push_back(text.substr(piece_start, at - piece_start));
      if (!unlimited && pieces.size() == most) return pieces;
      at += delimiter.size();
      piece_start = at;
    } else {
      at += IsLead(static_cast<unsigned char>(text[at])) ? 2 : 1;
    }
  }
  if (piece_start < text.size()) pieces.push_back(text.substr(piece_start));
  return pieces;
}

inline void SortIntegers(std::vector<int32_t>& array, bool ascending) {
  for (size_t i = 1; i < array.size(); ++i) {
    for (size_t j = i; j > 0; --j) {
      const bool out_of_order = ascending ? array[j - 1] > array[j] : array[j - 1] < array[j];
      if (!out_of_order) break;
      std::swap(array[j - 1], array[j]);
    }
  }
}

}  // namespace lirex::reference

#endif  // LIREX_FUZZ_TEXT_OPS_REFERENCE_H_
