// The programs' information options: they print and end before any window or library is touched;
// every other argument leaves the start as it is without arguments.
#include <gtest/gtest.h>

#include "tests/program_runner.h"

namespace lirex {
namespace {

TEST(CommandLine, InformationOptionsPrintAndEndWithoutAWindow) {
  const struct {
    const char* program;
    const char* argument;
    const char* output_starts;
  } cases[] = {
      {"Vonk", "--help", "Usage: "},     {"Vonk", "-h", "Usage: "},
      {"Vonk", "--help-all", "Usage: "}, {"Vonk", "--version", "Vonk 1.0\n"},
      {"Dalo", "--help", "Usage: "},     {"Dalo", "-v", "Dalo 1.0\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.argument);
    ProgramFolder folder;
    // No skinning library beside them: touching it would end in the fatal box.
    ASSERT_TRUE(folder.Add(Built(c.program)));
    const ProgramRun run = folder.Run(c.program, true, {}, {c.argument});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.output.startsWith(c.output_starts)) << run.output.toStdString();
    EXPECT_EQ(run.boxes, "");
    EXPECT_EQ(run.report, "");
  }
}

TEST(CommandLine, OtherArgumentsOpenTheWindowAsWithoutThem) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Vonk")));
  ASSERT_TRUE(folder.Add(Built("SkinH_EL.dll")));
  ASSERT_TRUE(folder.Add(Built("skinh.she")));
  const ProgramRun run = folder.Run("Vonk", true, {}, {"--unknown", "123"});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.report, "window_colour=#eaf0ee\nwindows=ShrinkerWindow\n");
}

}  // namespace
}  // namespace lirex
