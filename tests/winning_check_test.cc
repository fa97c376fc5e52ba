#include "shrinker/winning_check.h"

#include <gtest/gtest.h>

#include <string>

#include "common/gbk.h"
#include "tests/test_support.h"

namespace lirex {
namespace {

struct CheckCase {
  const char* name;
  std::string base;
  std::string query;
  const char* message;  // UTF-8
};

TEST(CheckWinningNumber, ChecksInOrderAndSearchesTheDigits) {
  const std::string full = Generated({}).text;
  const std::string banker_1 = Generated(TicksNamed({"选择框_三星_胆_1"})).text;
  const CheckCase cases[] = {
      {"empty base before everything", "", "", "没有大底！"},
      {"empty base with a bad query", "", "12a", "没有大底！"},
      {"empty base with a good query", "", "123", "没有大底！"},
      {"empty query", "123 ", "", "没有输入三位开奖号"},
      {"two digits", "123 ", "12", "输入的开奖号应为三位数"},
      {"four digits", "123 ", "1234", "输入的开奖号应为三位数"},
      {"a letter", "123 ", "12a", "输入的开奖号应为三位数"},
      {"trailing space", "123 ", "12 ", "输入的开奖号应为三位数"},
      {"leading space", "123 ", " 12", "输入的开奖号应为三位数"},
      {"entry with its space", "123 ", "123 ", "输入的开奖号应为三位数"},
      {"full-width digits", "123 ", Gbk("１２３"), "输入的开奖号应为三位数"},
      {"sign", "123 ", "-12", "输入的开奖号应为三位数"},
      {"one two-byte character and a digit", "123 ", Gbk("一1"), "输入的开奖号应为三位数"},
      {"lowest of a full base", full, "000", "有中奖！"},
      {"highest of a full base", full, "999", "有中奖！"},
      {"banker 1 holds 123", banker_1, "123", "有中奖！"},
      {"banker 1 lacks 456", banker_1, "456", "没中奖！"},
      {"leading zeros belong to the number", "007 ", "007", "有中奖！"},
      {"typed base matched anywhere", "1234 ", "234", "有中奖！"},
      {"typed base, first three", "1234 ", "123", "有中奖！"},
      {"digits split by a space", "123 456 ", "234", "没中奖！"},
      {"digits after a two-byte character", Gbk("大123"), "123", "有中奖！"},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(CheckWinningNumber(c.base, c.query), Gbk(c.message)) << c.name;
  }
}

TEST(CopyBase, HandsOverTheBytesUnchangedAndAlwaysConfirms) {
  for (const std::string base : {"123 456 ", "", "typed\r\n 12", "\xB4\xF3\xB5\xD7 "}) {
    const CopyResult copy = CopyBase(base);
    EXPECT_EQ(copy.clipboard_text, base);
    EXPECT_EQ(copy.message, Gbk("生成的大底已复制！"));
  }
}

}  // namespace
}  // namespace lirex
