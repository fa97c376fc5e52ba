#include "shrinker/base_text.h"

#include <gtest/gtest.h>

#include "common/gbk.h"

namespace lirex {
namespace {

class BaseTextTest : public ::testing::Test {
 protected:
  BaseBox box_{"", InitialCountCaption()};
};

TEST_F(BaseTextTest, LabelStartsWithTheWindowsCaption) {
  EXPECT_EQ(box_.count_label, Gbk("当前直选大底注数：0注"));
}

TEST_F(BaseTextTest, EntriesAreThreeDigitsAndASpace) {
  EXPECT_EQ(MakeEntry(0, 0, 5), "005 ");
  EXPECT_EQ(MakeEntry(7, 0, 5), "705 ");
  EXPECT_EQ(EntryOf(0), "000 ");
  EXPECT_EQ(EntryOf(705), "705 ");
  EXPECT_EQ(EntryOf(999), "999 ");
}

TEST_F(BaseTextTest, FillOnEmptyBaseRunsDescendingAndCounts) {
  FillBase(box_);
  ASSERT_EQ(box_.text.size(), 4000u);
  EXPECT_EQ(box_.text.substr(0, 8), "999 998 ");
  EXPECT_EQ(box_.text.substr(3992), "001 000 ");
  EXPECT_EQ(box_.count_label, Gbk("当前大底注数：1000注"));
}

TEST_F(BaseTextTest, FillPutsAllNumbersInFrontOfWhatIsThere) {
  box_.text = "123 ";
  FillBase(box_);
  EXPECT_EQ(box_.text.size(), 4004u);
  EXPECT_EQ(box_.text.substr(3996), "000 123 ");
  EXPECT_EQ(box_.count_label, Gbk("当前大底注数：1001注"));
}

TEST_F(BaseTextTest, RemoveDeletesAnEntryOnceAndThenNothing) {
  FillBase(box_);
  RemoveEntry(box_, "000 ");
  EXPECT_EQ(box_.text.size(), 3996u);
  EXPECT_EQ(box_.text.substr(3988), "002 001 ");
  const std::string after_first = box_.text;
  RemoveEntry(box_, "000 ");
  EXPECT_EQ(box_.text, after_first);
}

TEST_F(BaseTextTest, AppendAddsAtTheEndUnlessPresent) {
  AppendEntry(box_, "123 ");
  EXPECT_EQ(box_.text, "123 ");
  AppendEntry(box_, "123 ");
  EXPECT_EQ(box_.text, "123 ");
  AppendEntry(box_, "124 ");
  EXPECT_EQ(box_.text, "123 124 ");
}

TEST_F(BaseTextTest, EntriesNeverMatchAcrossABoundary) {
  box_.text = "123 456 ";
  AppendEntry(box_, "234 ");
  EXPECT_EQ(box_.text, "123 456 234 ");
  box_.text = "123 456 ";
  RemoveEntry(box_, "345 ");
  EXPECT_EQ(box_.text, "123 456 ");
}

TEST_F(BaseTextTest, TypedTextIsSearchedAsPlainSubstrings) {
  box_.text = "1123 ";
  AppendEntry(box_, "123 ");
  EXPECT_EQ(box_.text, "1123 ");
  RemoveEntry(box_, "123 ");
  EXPECT_EQ(box_.text, "1");
  box_.text = "123 123 ";
  RemoveEntry(box_, "123 ");
  EXPECT_EQ(box_.text, "");
}

// Found by fuzzing: removal is one left-to-right pass, so typed text can close up into the entry.
TEST_F(BaseTextTest, RemovalIsOnePassOverTypedText) {
  box_.text = "2243 243 43 ";
  RemoveEntry(box_, "243 ");
  EXPECT_EQ(box_.text, "243 ");
}

TEST_F(BaseTextTest, RefreshCountsSpaceSeparatedPieces) {
  const struct {
    const char* text;
    int count;
  } cases[] = {
      {"123 ", 1},      {"123 456 ", 2}, {"123 456", 2},
      {"123  456 ", 3}, {" 123 ", 2},    {"123\r\n456 ", 1},
  };
  for (const auto& c : cases) {
    box_.text = c.text;
    RefreshCount(box_);
    EXPECT_EQ(box_.count_label, CountCaption(c.count)) << c.text;
  }
  EXPECT_EQ(CountCaption(271), Gbk("当前大底注数：271注"));
}

TEST_F(BaseTextTest, AnEmptiedBaseCountsZero) {
  FillBase(box_);
  ClearBase(box_);
  EXPECT_EQ(box_.text, "");
  EXPECT_EQ(box_.count_label, Gbk("当前大底注数：0注"));
  box_.text = "123 ";
  RefreshCount(box_);
  box_.text.clear();
  RefreshCount(box_);
  EXPECT_EQ(box_.count_label, Gbk("当前大底注数：0注"));
}

}  // namespace
}  // namespace lirex
