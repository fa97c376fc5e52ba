// Text and number operations on GBK byte strings, shared by both programs. Positions are 1-based
// byte positions; searches step by characters (a byte of 0x80 or more opens a two-byte character).
#ifndef LIREX_COMMON_TEXT_OPS_H_
#define LIREX_COMMON_TEXT_OPS_H_

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lirex {

// An absent text is the empty text everywhere, so every operation takes a string_view.
int TextLength(std::string_view text);

// Byte-wise unsigned comparison: negative, zero or positive.
int CompareTexts(std::string_view a, std::string_view b);

std::string JoinTexts(std::initializer_list<std::string_view> texts);

// "%d".
std::string IntToText(int32_t value);

// "%.13g".
std::string RealToText(double value);

// Folds full-width characters, skips leading white space, takes a sign and the digits that
// follow; the value wraps modulo 2^32.
int32_t TextToInt(std::string_view text);

// Truncates toward zero. A value outside the 32-bit range, or NaN, gives INT32_MIN, as the
// processor's own truncating conversion does.
int32_t RealToInt(double value);

// The 1-based position of the first match at a character start at or after `start`, or -1.
// An empty `wanted` gives 1 (not `start`) while a byte is left from `start` on.
int FindText(std::string_view text, std::string_view wanted, std::optional<int> start = {},
             bool ignore_case = false);

// Replaces non-overlapping occurrences from left to right, from the first character start at or
// after `start`; the bytes before it are kept. A negative or omitted `limit` means no limit.
std::string ReplaceText(std::string_view text, std::string_view old_text,
                        std::string_view new_text = {}, std::optional<int> start = {},
                        std::optional<int> limit = {}, bool case_sensitive = true);

// Pieces between delimiters; a final empty piece after the last delimiter is not a member.
std::vector<std::string> SplitText(std::string_view text,
                                   std::optional<std::string_view> delimiter = {},
                                   std::optional<int> max_pieces = {});

template <typename T>
int MemberCount(const std::vector<T>& array) {
  return static_cast<int>(array.size());
}

void SortIntegers(std::vector<int32_t>& array, bool ascending = true);

}  // namespace lirex

#endif  // LIREX_COMMON_TEXT_OPS_H_
