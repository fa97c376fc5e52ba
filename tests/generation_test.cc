#include "shrinker/generation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/gbk.h"
#include "tests/test_support.h"

namespace lirex {
namespace {

std::string Box(const std::string& key, const std::string& caption) {
  return "选择框_三星_" + key + "_" + caption;
}

TEST(GenerationBoxes, NameEveryBoxOfTheWindowOnceInRunOrder) {
  const std::vector<GenerationBox>& boxes = GenerationBoxes();
  ASSERT_EQ(boxes.size(), kGenerationBoxCount);
  EXPECT_EQ(boxes.front().name, Box("胆", "0"));
  EXPECT_EQ(boxes[10].name, Box("百", "0"));
  EXPECT_EQ(boxes[20].name, Box("百", "0路"));
  EXPECT_EQ(boxes[26].name, Box("百", "双"));
  EXPECT_EQ(boxes[27].name, Box("十", "0"));
  EXPECT_EQ(boxes.back().name, Box("组合", "两边对"));
  std::set<std::string> names;
  for (const GenerationBox& box : boxes) names.insert(box.name);
  EXPECT_EQ(names.size(), boxes.size());
  EXPECT_THROW(TicksNamed({"选择框_三星_百_7路"}), std::invalid_argument);
}

TEST(GenerateBase, NoBoxFillsAllNumbersDescending) {
  const BaseBox box = Generated({});
  ASSERT_EQ(box.text.size(), 4000u);
  EXPECT_EQ(box.text.substr(0, 8), "999 998 ");
  EXPECT_EQ(box.text.substr(3992), "001 000 ");
  EXPECT_EQ(box.count_label, Gbk("当前大底注数：1000注"));
}

TEST(GenerateBase, OneBankerDigitAppendsItsNumbersAscending) {
  const BaseBox box = Generated(TicksNamed({Box("胆", "5")}));
  EXPECT_EQ(box.text.size(), 271u * 4);
  EXPECT_EQ(box.text.substr(0, 24), "005 015 025 035 045 050 ");
  EXPECT_EQ(box.text.substr(box.text.size() - 8), "985 995 ");
  EXPECT_EQ(box.count_label, Gbk("当前大底注数：271注"));
}

TEST(GenerateBase, LaterBankerDigitsAppendOnlyNewNumbers) {
  const std::vector<int> numbers =
      NumbersIn(Generated(TicksNamed({Box("胆", "3"), Box("胆", "5")})).text);
  ASSERT_EQ(numbers.size(), 488u);
  EXPECT_EQ(numbers[0], 3);
  EXPECT_EQ(numbers[270], 993);
  EXPECT_EQ(std::vector<int>(numbers.begin() + 271, numbers.begin() + 276),
            (std::vector<int>{5, 15, 25, 45, 50}));
}

TEST(GenerateBase, AllBankerDigitsGiveEveryNumberGroupedByLowestDigit) {
  TickSet ticks;
  for (int d = 0; d <= 9; ++d) ticks |= TicksNamed({Box("胆", std::to_string(d))});
  const std::vector<int> numbers = NumbersIn(Generated(ticks).text);
  ASSERT_EQ(numbers.size(), 1000u);
  EXPECT_EQ(numbers[0], 0);
  EXPECT_EQ(numbers[270], 990);
  EXPECT_EQ(numbers[271], 111);
  EXPECT_EQ(numbers[272], 112);
  EXPECT_EQ(std::vector<int>(numbers.end() - 4, numbers.end()),
            (std::vector<int>{988, 989, 998, 999}));
}

TEST(GenerateBase, BankerCountsFollowTheNumberOfDigits) {
  const int expected[] = {271, 488, 657, 784, 875, 936, 973, 992, 999, 1000};
  TickSet ticks;
  for (int n = 1; n <= 10; ++n) {
    ticks |= TicksNamed({Box("胆", std::to_string(10 - n))});
    EXPECT_EQ(Generated(ticks).text.size(), 4u * expected[n - 1]) << n << " digits";
  }
}

struct KillCase {
  const char* name;
  std::vector<std::string> boxes;
  int left;
  std::vector<int> removed;
  std::vector<int> kept;
};

TEST(GenerateBase, KillsRemoveTheNumbersTheirBoxesName) {
  const std::vector<KillCase> cases = {
      {"hundreds digit", {Box("百", "0")}, 900, {0, 99}, {100, 999}},
      {"tens digit", {Box("十", "3")}, 900, {30, 939}, {3, 300}},
      {"units digit", {Box("个", "9")}, 900, {9, 999}, {990}},
      {"sum 0", {Box("和", "0")}, 999, {0}, {1, 100}},
      {"sum 27", {Box("和", "27")}, 999, {999}, {998}},
      {"sum 13", {Box("和", "13")}, 925, {436, 490}, {435}},
      {"span 0", {Box("跨", "0")}, 990, {0, 555, 999}, {1}},
      {"span 9", {Box("跨", "9")}, 946, {9, 90, 909, 29}, {0, 999, 18}},
      {"span 5", {Box("跨", "5")}, 850, {5, 272}, {4}},
      {"hundreds road 0", {Box("百", "0路")}, 600, {0, 399, 999}, {100, 500}},
      {"tens road 1", {Box("十", "1路")}, 700, {10, 47, 979}, {0, 20}},
      {"units road 2", {Box("个", "2路")}, 700, {2, 5, 998}, {0, 1}},
      {"hundreds big", {Box("百", "大")}, 500, {500, 999}, {0, 499}},
      {"tens small", {Box("十", "小")}, 500, {0, 949}, {50}},
      {"units odd", {Box("个", "单")}, 500, {1, 999}, {0, 998}},
      {"hundreds even", {Box("百", "双")}, 500, {0, 899}, {100, 999}},
      {"all hundreds digits",
       {Box("百", "0"), Box("百", "1"), Box("百", "2"), Box("百", "3"), Box("百", "4"),
        Box("百", "5"), Box("百", "6"), Box("百", "7"), Box("百", "8"), Box("百", "9")},
       0,
       {},
       {}},
      {"odd and even of one position", {Box("十", "单"), Box("十", "双")}, 0, {}, {}},
      {"overlapping kills remove the union", {Box("百", "大"), Box("百", "5")}, 500, {599}, {499}},
  };
  for (const KillCase& c : cases) {
    SCOPED_TRACE(c.name);
    TickSet ticks;
    for (const std::string& name : c.boxes) ticks |= TicksNamed({name});
    const BaseBox box = Generated(ticks);
    const std::vector<int> numbers = NumbersIn(box.text);
    EXPECT_EQ(static_cast<int>(numbers.size()), c.left);
    EXPECT_TRUE(std::is_sorted(numbers.rbegin(), numbers.rend())) << "the fill's order stays";
    const std::set<int> left(numbers.begin(), numbers.end());
    for (int n : c.removed) EXPECT_EQ(left.count(n), 0u) << n;
    for (int n : c.kept) EXPECT_EQ(left.count(n), 1u) << n;
  }
}

TEST(GenerateBase, SpanAndSumKillCountsMatchTheirDistributions) {
  const int span_counts[] = {10, 54, 96, 126, 144, 150, 144, 126, 96, 54};
  for (int k = 0; k <= 9; ++k) {
    EXPECT_EQ(Generated(TicksNamed({Box("跨", std::to_string(k))})).text.size() / 4,
              1000u - span_counts[k])
        << "span " << k;
  }
  const int sum_counts[] = {1,  3,  6,  10, 15, 21, 28, 36, 45, 55, 63, 69, 73, 75,
                            75, 73, 69, 63, 55, 45, 36, 28, 21, 15, 10, 6,  3,  1};
  for (int s = 0; s <= 27; ++s) {
    EXPECT_EQ(Generated(TicksNamed({Box("和", std::to_string(s))})).text.size() / 4,
              1000u - sum_counts[s])
        << "sum " << s;
  }
}

TEST(GenerateBase, AnEmptyResultCountsZero) {
  const TickSet cases[] = {
      TicksNamed({Box("胆", "5"), Box("百", "5"), Box("十", "5"), Box("个", "5")}),
      TicksNamed({Box("十", "单"), Box("十", "双")}),
  };
  for (const TickSet& ticks : cases) {
    BaseBox box{"", CountCaption(271)};
    GenerateBase(ticks, box);
    EXPECT_EQ(box.text, "");
    EXPECT_EQ(box.count_label, Gbk("当前大底注数：0注"));
  }
}

TEST(GenerateBase, ThrowsAwayTypedTextAndRepeatsItself) {
  const TickSet ticks = TicksNamed({Box("胆", "1"), Box("组合", "前对子")});
  BaseBox box{"typed by hand\r\n123 ", InitialCountCaption()};
  GenerateBase(ticks, box);
  const BaseBox again = Generated(ticks);
  EXPECT_EQ(box.text, again.text);
  EXPECT_EQ(box.count_label, again.count_label);
  EXPECT_EQ(box.text.find("typed"), std::string::npos);
}

}  // namespace
}  // namespace lirex
