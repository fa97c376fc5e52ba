// The files a player saves and reads: conditions, an exported or imported base, a draw history.
#include <gtest/gtest.h>

#include <random>
#include <variant>

#include "common/gbk.h"
#include "shrinker/base_file.h"
#include "shrinker/conditions_file.h"
#include "shrinker/draw_history.h"

namespace lirex {
namespace {

TEST(ConditionsFile, RoundTripsAnyTicks) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    TickSet ticks;
    for (size_t i = 0; i < ticks.size(); ++i) ticks[i] = random() % 4 == 0;
    const auto read = ReadConditions(WriteConditions(ticks));
    ASSERT_TRUE(std::holds_alternative<TickSet>(read)) << std::get<FileError>(read).message;
    EXPECT_EQ(std::get<TickSet>(read), ticks) << "round " << round;
  }
}

TEST(ConditionsFile, ReadsWhatAPersonWrites) {
  const auto read = ReadConditions(
      "# my conditions\r\n\r\n版本 = 1\r\n胆 = 3 5\n百 =  0路   大 \n组合 = 前对子\n和 =");
  ASSERT_TRUE(std::holds_alternative<TickSet>(read)) << std::get<FileError>(read).message;
  EXPECT_EQ(std::get<TickSet>(read),
            TicksNamed({"选择框_三星_胆_3", "选择框_三星_胆_5", "选择框_三星_百_0路",
                        "选择框_三星_百_大", "选择框_三星_组合_前对子"}));
  EXPECT_EQ(WriteConditions(TicksNamed({"选择框_三星_胆_3", "选择框_三星_跨_9"})),
            "# 三星缩水条件\n版本 = 1\n胆 = 3\n百 =\n十 =\n个 =\n跨 = 9\n和 =\n组合 =\n");
}

TEST(ConditionsFile, RefusesAWrongFileWholeAndNamesTheLine) {
  const struct {
    const char* name;
    const char* text;
    int line;
    const char* message;
  } cases[] = {
      {"unknown key", "版本 = 1\n胆 = 3\n千 = 1\n", 3, "第3行有未知的项目“千”"},
      {"bad caption", "版本 = 1\n胆 = 3 10\n", 2, "第2行的“胆”中没有“10”"},
      {"class in the banker group", "版本 = 1\n胆 = 大\n", 2, "第2行的“胆”中没有“大”"},
      {"another version", "版本 = 2\n胆 = 3\n", 1, "第1行的格式版本不是1，无法读取"},
      {"version not first", "胆 = 3\n版本 = 1\n", 1, "第1行应为格式版本“版本 = 1”"},
      {"no version", "# nothing\n", 0, "文件中没有格式版本，不是缩水条件文件"},
      {"empty", "", 0, "文件中没有格式版本，不是缩水条件文件"},
      {"line without =", "版本 = 1\n胆 3\n", 2, "第2行不完整：缺少“=”"},
      {"truncated value", "版本 = 1\n胆 = 3\n组合 = 00", 3, "第3行的“组合”中没有“00”"},
      {"repeated key", "版本 = 1\n胆 = 3\n胆 = 5\n", 3, "第3行重复了项目“胆”"},
  };
  for (const auto& c : cases) {
    const auto read = ReadConditions(c.text);
    ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.name;
    EXPECT_EQ(std::get<FileError>(read).line, c.line) << c.name;
    EXPECT_EQ(std::get<FileError>(read).message, c.message) << c.name;
  }
}

TEST(BaseFile, ReadsEverySeparatorAndEncoding) {
  const struct {
    const char* name;
    std::string bytes;
    std::string base;
  } cases[] = {
      {"spaces", "123 456 789", "123 456 789 "},
      {"commas and line breaks", "123,456\r\n789,\n", "123 456 789 "},
      {"tabs and blank lines", "\n\n123\t456\n\n", "123 456 "},
      {"full-width comma in UTF-8", "123，456、789", "123 456 789 "},
      {"full-width comma in GBK", Gbk("123，456"), "123 456 "},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "007 070",
       "007 070 "},
      {"each number once", "123 456 123", "123 456 "},
  };
  for (const auto& c : cases) {
    const auto read = ReadBaseFile(c.bytes);
    ASSERT_TRUE(std::holds_alternative<std::string>(read))
        << c.name << ": " << std::get<FileError>(read).message;
    EXPECT_EQ(std::get<std::string>(read), c.base) << c.name;
  }
}

TEST(BaseFile, RefusesAnythingButThreeDigitEntries) {
  const struct {
    const char* name;
    std::string bytes;
    const char* message;
  } cases[] = {
      {"two digits", "123 12", "第1行第2项“12”不是三位数的号码"},
      {"four digits", "123\n456 1234", "第2行第2项“1234”不是三位数的号码"},
      {"a word", "123,abc", "第1行第2项“abc”不是三位数的号码"},
      {"full-width digits", "１２３", "第1行第1项“１２３”不是三位数的号码"},
      {"GBK text", Gbk("123 大底"), "第1行第2项“大底”不是三位数的号码"},
      {"empty", "", "文件中没有号码"},
      {"only separators", " ,\n", "文件中没有号码"},
  };
  for (const auto& c : cases) {
    const auto read = ReadBaseFile(c.bytes);
    ASSERT_TRUE(std::holds_alternative<FileError>(read)) << c.name;
    EXPECT_EQ(std::get<FileError>(read).message, c.message) << c.name;
  }
}

TEST(BaseFile, WritesTheEntriesForReadingBack) {
  EXPECT_EQ(WriteBaseFile("123 456 "), "123 456\n");
  EXPECT_EQ(WriteBaseFile("123 typed 45 789 "), "123 789\n") << "only entries";
  EXPECT_EQ(std::get<std::string>(ReadBaseFile(WriteBaseFile("999 000 "))), "999 000 ");
}

NumberSet Numbers(std::initializer_list<int> numbers) {
  NumberSet set;
  for (int n : numbers) set[static_cast<size_t>(n)] = true;
  return set;
}

TEST(DrawHistory, ReadsEveryFormatAndSkipsAHeader) {
  const std::string history =
      "期号,号码\n"
      "2024001 123\n"
      "\n"
      "2024002,4,5,6\n"
      "789\n"
      "1 2 3\n"
      "1,2,3\r\n"
      "2024006\t1\t2\t3\n"
      "2024007，456\n";
  const BackTestReport report = BackTest(history, Numbers({123, 456}));
  EXPECT_EQ(report.draws, 7);
  EXPECT_EQ(report.hits, 6);
  EXPECT_EQ(report.longest_miss_run, 1);
  EXPECT_EQ(report.unreadable, 0);
  EXPECT_EQ(report.last_hits, (std::vector<std::string>{"2024001", "2024002", "第6行", "第7行",
                                                        "2024006", "2024007"}));
}

TEST(DrawHistory, CountsAndNamesUnreadableLines) {
  const BackTestReport report =
      BackTest("header\n123\n12\nabc 123\n1 2 3 4 5\n4567\n1,2\n", Numbers({123}));
  EXPECT_EQ(report.draws, 1);
  EXPECT_EQ(report.unreadable, 5);
  EXPECT_EQ(report.unreadable_lines, (std::vector<int>{3, 4, 5, 6, 7}));
}

TEST(DrawHistory, KeepsTheLastTenHitsAndTheLongestMissRun) {
  std::string history;
  for (int i = 0; i < 30; ++i)
    history += std::to_string(2024000 + i) + (i % 3 == 0 ? " 111\n" : " 222\n");
  history += "222\n222\n222\n";
  const BackTestReport report = BackTest(history, Numbers({111}));
  EXPECT_EQ(report.hits, 10);
  EXPECT_EQ(report.last_hits.front(), "2024000");
  EXPECT_EQ(report.last_hits.back(), "2024027");
  EXPECT_EQ(report.longest_miss_run, 5);
}

TEST(DrawHistory, TheMessageClaimsNothingWithoutADraw) {
  EXPECT_EQ(BackTestMessage(BackTest("", Numbers({1}))), "文件中没有可识别的开奖号码，无法回测。");
  EXPECT_EQ(BackTestMessage(BackTest("title\nfoo\n", Numbers({1}))),
            "文件中没有可识别的开奖号码，无法回测。无法识别的行共1行：第2行。");
  BackTestReport report = BackTest("2024001 123\n2024002 456\n", Numbers({123, 5}));
  EXPECT_EQ(BackTestMessage(report),
            "共读取开奖2期，其中1期在大底中。\n命中率50.00%（大底2注，占全部1000注的0.2%）。\n"
            "最长连续未中1期。\n最近1次命中：2024001。\n");
}

TEST(DrawHistory, TheBaseIsWhatTheLookUpFinds) {
  const NumberSet numbers = NumbersInBase("123 4567 ");
  EXPECT_TRUE(numbers[123]);
  EXPECT_TRUE(numbers[456] && numbers[567]) << "as 查 询 finds them";
  EXPECT_FALSE(numbers[234]) << "not across a space";
  EXPECT_EQ(NumbersInBase("").count(), 0u);
}

}  // namespace
}  // namespace lirex
