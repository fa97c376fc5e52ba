#include "common/text_ops.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "common/gbk.h"

namespace lirex {
namespace {

// "丂" is 0x81 0x40 in GBK: its second byte is "@", so a search that slips onto a second byte
// finds a false "@".
constexpr char kSecondByteIsAt[] = "\x81\x40";

TEST(TextLength, CountsBytesNotCharacters) {
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength(Gbk("一2")), 3);
  EXPECT_EQ(TextLength("123 456 "), 8);
}

TEST(CompareTexts, OrdersBytesAsUnsigned) {
  EXPECT_EQ(CompareTexts("", ""), 0);
  EXPECT_LT(CompareTexts("", "a"), 0);
  EXPECT_GT(CompareTexts("ab", "a"), 0);
  EXPECT_LT(CompareTexts("a", "\x80"), 0) << "0x80 sorts after every ASCII byte";
  EXPECT_GT(CompareTexts(Gbk("一"), "z"), 0);
}

TEST(JoinTexts, JoinsInArgumentOrder) {
  EXPECT_EQ(JoinTexts({"1", "2", "3", " "}), "123 ");
  EXPECT_EQ(JoinTexts({"", ""}), "");
}

TEST(IntToText, PrintsLikePercentD) {
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(7), "7");
  EXPECT_EQ(IntToText(-5), "-5");
  EXPECT_EQ(IntToText(INT_MIN), "-2147483648");
  EXPECT_EQ(IntToText(INT_MAX), "2147483647");
}

TEST(RealToText, PrintsLikePercentPoint13g) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {16359.0, "16359"},
      {-16359.0, "-16359"},
      {0.0, "0"},
      {2147483647.0 * 133, "285615325051"},
      {-2147483648.0 * 133, "-285615325184"},
      {0.5, "0.5"},
      {1e13, "1e+13"},
      {9999999999999.0, "9999999999999"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
      {1.0 / 3, "0.3333333333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(RealToText(c.value), c.text) << c.value;
}

TEST(TextToInt, ReadsSignAndDigitsAfterFoldingFullWidth) {
  const struct {
    std::string text;
    int32_t value;
  } cases[] = {
      {"123", 123},
      {" 056", 56},
      {Gbk("１２３"), 123},
      {Gbk("１2３"), 123},
      {"12.9", 12},
      {"12a", 12},
      {"-7", -7},
      {"+7", 7},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {" -0012x", -12},
      {"\t\n\v\f\r 9", 9},
      {Gbk("　42"), 42},  // ideographic space
      {Gbk("－８"), -8},  // full-width minus
      {Gbk("＋８"), 8},
      {Gbk("～1"), 0},  // folds to "~", not a digit
      {Gbk("一23"), 0},
      {"2147483647", 2147483647},
      {"2147483648", INT_MIN},
      {"-2147483648", INT_MIN},
      {"4294967296", 0},
      {"4294967297", 1},
      {"99999999999999999999", 1661992959},  // 10^20 - 1 modulo 2^32
      {"\x81", 0},                           // a lone lead byte
      {"5\xA3", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.text), c.value) << "text: " << c.text;
}

TEST(RealToInt, TruncatesTowardZero) {
  EXPECT_EQ(RealToInt(12.9), 12);
  EXPECT_EQ(RealToInt(-12.9), -12);
  EXPECT_EQ(RealToInt(-0.5), 0);
  EXPECT_EQ(RealToInt(2147483647.9), INT_MAX);
  EXPECT_EQ(RealToInt(-2147483648.9), INT_MIN);
}

TEST(RealToInt, OutOfRangeAndNanGiveTheIndefiniteValue) {
  EXPECT_EQ(RealToInt(2147483648.0), INT_MIN);
  EXPECT_EQ(RealToInt(-1e300), INT_MIN);
  EXPECT_EQ(RealToInt(std::numeric_limits<double>::quiet_NaN()), INT_MIN);
  EXPECT_EQ(RealToInt(std::numeric_limits<double>::infinity()), INT_MIN);
}

struct FindCase {
  const char* name;
  std::string text;
  std::string wanted;
  std::optional<int> start;
  int position;
};

TEST(FindText, FindsTheFirstMatchOnACharacterStart) {
  const FindCase cases[] = {
      {"match inside an entry", "1123 ", "123 ", {}, 2},
      {"match across entries", "123 456 ", "23 4", {}, 2},
      {"no match", "123 ", "456", {}, -1},
      {"empty wanted", "abc", "", {}, 1},
      {"empty wanted in empty text", "", "", {}, -1},
      {"wanted longer than text", "12", "123", {}, -1},
      {"match at the very end", "abc", "c", {}, 3},
      {"start skips an earlier match", "abcabc", "abc", 2, 4},
      {"start below 1 counts as 1", "abc", "a", -5, 1},
      {"start beyond the end", "abc", "a", 4, -1},
      {"empty wanted with a later start", "abc", "", 3, 1},
      {"empty wanted beyond the end", "abc", "", 4, -1},
      {"second byte is not a start", kSecondByteIsAt, "@", {}, -1},
      {"after a two-byte character", std::string(kSecondByteIsAt) + "@", "@", {}, 3},
      {"two-byte wanted", Gbk("大底大"), Gbk("底"), {}, 3},
      {"lone lead byte at the end", "ab\x81", "\x81", {}, 3},
      {"wanted runs past a lone lead byte", "ab\x81", "\x81x", {}, -1},
      {"start on a second byte moves to the next character", std::string(kSecondByteIsAt) + "@",
       "@", 2, 3},
      {"start on a second byte never matches there", kSecondByteIsAt, "@", 2, -1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindText(c.text, c.wanted, c.start), c.position) << c.name;
  }
}

TEST(FindText, IgnoresAsciiCaseOnRequest) {
  EXPECT_EQ(FindText("xABc", "abc", {}, true), 2);
  EXPECT_EQ(FindText("xABc", "abc", {}, false), -1);
}

// 乤 (0x81 0x61) and 丄 (0x81 0x41) differ only in a second byte that reads as "a" and "A".
TEST(FindText, IgnoringCaseNeverFoldsASecondByte) {
  ASSERT_EQ(Gbk("乤"), "\x81\x61");
  ASSERT_EQ(Gbk("丄"), "\x81\x41");
  EXPECT_EQ(FindText(Gbk("丄"), Gbk("乤"), {}, true), -1);
  EXPECT_EQ(FindText(Gbk("a乤"), Gbk("A乤"), {}, true), 1);
  EXPECT_EQ(ReplaceText(Gbk("丄乤"), Gbk("乤"), "", {}, {}, false), Gbk("丄"));
}

struct ReplaceCase {
  const char* name;
  std::string text;
  std::string old_text;
  std::string new_text;
  std::optional<int> start;
  std::optional<int> limit;
  std::string result;
};

TEST(ReplaceText, ReplacesNonOverlappingMatchesLeftToRight) {
  const ReplaceCase cases[] = {
      {"all occurrences deleted", "1212", "12", "", {}, {}, ""},
      {"no overlap", "111", "11", "", {}, {}, "1"},
      {"every entry", "123 123 ", "123 ", "", {}, {}, ""},
      {"entry inside a longer run", "1123 ", "123 ", "", {}, {}, "1"},
      {"replacement not rescanned", "aa", "a", "aa", {}, {}, "aaaa"},
      {"empty text", "", "a", "b", {}, {}, ""},
      {"empty old text", "abc", "", "x", {}, {}, "abc"},
      {"start beyond the end", "abc", "a", "x", 4, {}, "abc"},
      {"limit of zero", "aaa", "a", "x", {}, 0, "aaa"},
      {"limit of two", "aaaa", "a", "x", {}, 2, "xxaa"},
      {"negative limit means none", "aaaa", "a", "x", {}, -1, "xxxx"},
      {"bytes before start kept", "abab", "ab", "", 2, {}, "ab"},
      {"start below 1 counts as 1", "abab", "ab", "-", 0, {}, "--"},
      {"second byte is not a start",
       std::string(kSecondByteIsAt) + "@",
       "@",
       "!",
       {},
       {},
       std::string(kSecondByteIsAt) + "!"},
      {"tail shorter than old text", "abcab", "abc", "", {}, {}, "ab"},
      {"lone lead byte at the end", "a\x81", "\x81", "z", {}, {}, "az"},
      {"lead byte then the end", "a\x81", "b", "z", {}, {}, "a\x81"},
      {"start on a second byte keeps the whole character",
       std::string(kSecondByteIsAt) + "@@",
       "@",
       "!",
       2,
       {},
       std::string(kSecondByteIsAt) + "!!"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceText(c.text, c.old_text, c.new_text, c.start, c.limit), c.result) << c.name;
  }
}

TEST(ReplaceText, IgnoresAsciiCaseOnlyWhenNotCaseSensitive) {
  EXPECT_EQ(ReplaceText("aAa", "a", "", {}, {}, false), "");
  EXPECT_EQ(ReplaceText("aAa", "a", "", {}, {}, true), "A");
}

struct SplitCase {
  const char* name;
  std::string text;
  std::optional<std::string_view> delimiter;
  std::optional<int> max_pieces;
  std::vector<std::string> pieces;
};

TEST(SplitText, CutsAtEveryDelimiterAndDropsOnlyAFinalEmptyPiece) {
  const SplitCase cases[] = {
      {"trailing delimiter", "123 456 ", " ", {}, {"123", "456"}},
      {"no trailing delimiter", "123 456", " ", {}, {"123", "456"}},
      {"two delimiters in a row", "123  456 ", " ", {}, {"123", "", "456"}},
      {"leading delimiter", " 123 ", " ", {}, {"", "123"}},
      {"no delimiter", "123", " ", {}, {"123"}},
      {"empty text", "", " ", {}, {}},
      {"only the delimiter", " ", " ", {}, {""}},
      {"default delimiter is a comma", "a,b", {}, {}, {"a", "b"}},
      {"empty delimiter", "a b", "", {}, {"a b"}},
      {"limit drops the rest", "1 2 3 4", " ", 2, {"1", "2"}},
      {"limit of zero", "1 2", " ", 0, {}},
      {"negative limit counts as zero", "1 2", " ", -3, {}},
      {"limit above the count", "1 2", " ", 9, {"1", "2"}},
      {"line break is not a delimiter", "123\r\n456 ", " ", {}, {"123\r\n456"}},
      {"second byte is not a start",
       std::string(kSecondByteIsAt) + "@x",
       "@",
       {},
       {kSecondByteIsAt, "x"}},
      {"lone lead byte at the end", "1 \x81", " ", {}, {"1", "\x81"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitText(c.text, c.delimiter, c.max_pieces), c.pieces) << c.name;
  }
}

TEST(MemberCount, CountsMembers) {
  EXPECT_EQ(MemberCount(std::vector<std::string>{}), 0);
  EXPECT_EQ(MemberCount(SplitText("123 456 ", " ")), 2);
}

TEST(SortIntegers, SortsBothWays) {
  std::vector<int32_t> numbers = {5, -1, 9, 0};
  SortIntegers(numbers);
  EXPECT_EQ(numbers, (std::vector<int32_t>{-1, 0, 5, 9}));
  SortIntegers(numbers, false);
  EXPECT_EQ(numbers, (std::vector<int32_t>{9, 5, 0, -1}));
}

// Every operation must take any byte string, in particular every ragged end.
TEST(TextOperations, AcceptEveryShortByteString) {
  const std::string alphabet = {'1', ' ', '\x81', '\x40', '\xA3', '\xB1', '\0'};
  std::vector<std::string> texts = {""};
  for (int length = 1; length <= 4; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : texts) {
      if (static_cast<int>(text.size()) != length - 1) continue;
      for (char c : alphabet) longer.push_back(text + c);
    }
    texts.insert(texts.end(), longer.begin(), longer.end());
  }
  for (const std::string& text : texts) {
    for (const std::string wanted : {"", "1", " ", "\x81", "@", "1 "}) {
      const int found = FindText(text, wanted);
      EXPECT_TRUE(found == -1 || (found >= 1 && found <= TextLength(text)));
      EXPECT_LE(ReplaceText(text, wanted).size(), text.size());
      for (const std::string& piece : SplitText(text, wanted)) EXPECT_LE(piece.size(), text.size());
    }
    TextToInt(text);
  }
}

}  // namespace
}  // namespace lirex
