#include "shrinker/pattern_kills.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

namespace lirex {
namespace {

std::string PatternBox(const std::string& caption) { return "选择框_三星_组合_" + caption; }

struct PatternCase {
  std::string caption;
  int matches;
  std::vector<int> removed;
  std::vector<int> kept;
};

// Each kill on a full base, with numbers it must and must not remove.
TEST(PatternKill, RemovesExactlyItsMatchesFromAFullBase) {
  const std::vector<PatternCase> cases = {
      {"000", 64, {999, 90, 309, 0}, {1, 100, 995}},
      {"001", 48, {1, 334, 967}, {0, 2}},
      {"002", 48, {2, 365}, {1}},
      {"010", 48, {10, 943}, {11}},
      {"011", 36, {11, 377}, {10}},
      {"012", 36, {12, 948}, {21}},
      {"020", 48, {20, 989}, {}},
      {"021", 36, {21}, {12}},
      {"022", 36, {22, 988}, {}},
      {"100", 48, {100, 799}, {}},
      {"101", 36, {101}, {}},
      {"102", 36, {102}, {}},
      {"110", 36, {110, 779}, {}},
      {"111", 27, {111, 777, 147}, {}},
      {"112", 27, {112}, {}},
      {"120", 36, {120}, {}},
      {"121", 27, {121}, {}},
      {"122", 27, {122}, {}},
      {"200", 48, {200, 899}, {}},
      {"201", 36, {201}, {}},
      {"202", 36, {202}, {}},
      {"210", 36, {210}, {}},
      {"211", 27, {211}, {}},
      {"212", 27, {212}, {}},
      {"220", 36, {220}, {}},
      {"221", 27, {221}, {}},
      {"222", 27, {222, 888, 258}, {}},
      {"单单单", 125, {999, 135}, {0}},
      {"单单双", 125, {110}, {}},
      {"单双单", 125, {101}, {}},
      {"单双双", 125, {100}, {}},
      {"双双双", 125, {0, 888}, {999}},
      {"双双单", 125, {1}, {}},
      {"双单双", 125, {10}, {}},
      {"双单单", 125, {11}, {}},
      {"大大大", 125, {999, 555}, {0, 444}},
      {"大大小", 125, {550}, {}},
      {"大小大", 125, {505}, {}},
      {"大小小", 125, {500}, {}},
      {"小小小", 125, {0, 444}, {555}},
      {"小小大", 125, {5}, {}},
      {"小大小", 125, {50}, {}},
      {"小大大", 125, {55}, {}},
      {"杀包子", 10, {0, 111, 999}, {112, 121, 211}},
      {"前对子", 90, {112, 1}, {111, 121, 211}},
      {"后对子", 90, {122, 100}, {222, 212, 221}},
      {"两边对", 90, {121, 202}, {111, 112, 211}},
  };
  ASSERT_EQ(cases.size(), kPatternKills.size());
  for (size_t i = 0; i < cases.size(); ++i) {
    const PatternCase& c = cases[i];
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(kPatternKills[i].caption, c.caption) << "the run calls the kills in grid order";
    const std::set<int> left = NumberSetIn(Generated(TicksNamed({PatternBox(c.caption)})).text);
    EXPECT_EQ(static_cast<int>(left.size()), kNumberCount - c.matches);
    for (int n : c.removed) EXPECT_EQ(left.count(n), 0u) << n;
    for (int n : c.kept) EXPECT_EQ(left.count(n), 1u) << n;
  }
}

TEST(PatternKill, EachFamilyTogetherEmptiesTheBase) {
  const std::vector<std::vector<int>> families = {
      {0, 27},   // the road patterns
      {27, 35},  // odd and even
      {35, 43},  // big and small
  };
  for (const auto& family : families) {
    TickSet ticks;
    for (int i = family[0]; i < family[1]; ++i) {
      ticks |= TicksNamed({PatternBox(kPatternKills[i].caption)});
    }
    EXPECT_EQ(Generated(ticks).text, "") << kPatternKills[family[0]].caption;
  }
}

TEST(PatternKill, RepeatKillsTogetherLeaveTheNumbersWithThreeDifferentDigits) {
  const BaseBox box = Generated(TicksNamed(
      {PatternBox("杀包子"), PatternBox("前对子"), PatternBox("后对子"), PatternBox("两边对")}));
  const std::vector<int> left = NumbersIn(box.text);
  EXPECT_EQ(left.size(), 720u);
  for (int n : left) {
    const Digits d = DigitsOf(n);
    EXPECT_TRUE(d.h != d.t && d.t != d.u && d.h != d.u) << n;
  }
}

}  // namespace
}  // namespace lirex
