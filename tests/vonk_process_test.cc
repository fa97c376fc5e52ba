// Vonk started as a real program: the skinning library's binding, the fatal error box and the
// skin file beside the program.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/program_runner.h"

namespace lirex {
namespace {

const QString kMissingRoutineBox =
    "title=错误\nicon=critical\nbuttons=确定\nmodal=2\nparent=no\n"
    "text=运行时出错!\n\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
    "AttachEx”\n"
    "\n---\n";

TEST(VonkProcess, WithoutTheSkinningLibraryEndsThroughTheFatalBox) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Vonk")));
  ASSERT_TRUE(folder.Add(Built("skinh.she")));
  const ProgramRun run = folder.Run("Vonk", false);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.boxes, kMissingRoutineBox);
  EXPECT_FALSE(run.report.contains("ShrinkerWindow")) << "the window was never shown";
}

TEST(VonkProcess, ALibraryWithoutTheRoutineEndsTheSameWay) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Vonk")));
  ASSERT_TRUE(folder.Add(LIREX_STUB_SKIN_LIBRARY, "SkinH_EL.dll"));
  const ProgramRun run = folder.Run("Vonk", false);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.boxes, kMissingRoutineBox);
}

TEST(VonkProcess, ATruncatedLibraryEndsThroughTheFatalBoxInsteadOfAFault) {
  QFile built(Built("SkinH_EL.dll"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Vonk")));
  ASSERT_TRUE(folder.Write("SkinH_EL.dll", built.read(20000)));
  const ProgramRun run = folder.Run("Vonk", false);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.boxes, kMissingRoutineBox);
}

TEST(VonkProcess, OpensSkinnedWithTheSkinFileBesideIt) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Vonk")));
  ASSERT_TRUE(folder.Add(Built("SkinH_EL.dll")));
  ASSERT_TRUE(folder.Add(Built("skinh.she")));
  const ProgramRun run = folder.Run("Vonk", true);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.boxes, "");
  EXPECT_EQ(run.report, "window_colour=#eaf0ee\nwindows=ShrinkerWindow\n");
}

// As root the browser engine's sandbox cannot start; the programs never turn it off, so the
// advertisement shows its link, and nothing is written to the console.
TEST(VonkProcess, AsRootTheWebViewStaysALinkWithTheSandboxKept) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  ProgramFolder folder;
  for (const char* file : {"Vonk", "SkinH_EL.dll", "skinh.she", "liblirex_webview.so"}) {
    ASSERT_TRUE(folder.Add(Built(file)));
  }
  QProcessEnvironment environment;
  environment.insert("LIREX_PROBE_SLOTS_AFTER_MS", "500");
  environment.insert("XDG_RUNTIME_DIR", folder.Path("."));  // a private folder, as a session has
  const ProgramRun run = folder.Run("Vonk", true, {}, {}, environment);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_TRUE(run.report.endsWith("slot 超文本浏览框_广告 browser=0 link=0,0,635,64\n"))
      << run.report.toStdString();
  EXPECT_EQ(run.errors.toStdString(), "");
}

TEST(VonkProcess, AMissingOrDamagedSkinLeavesTheDefaultLook) {
  const struct {
    const char* name;
    std::optional<QByteArray> skin;
  } cases[] = {
      {"missing", std::nullopt},
      {"empty", QByteArray()},
      {"garbage", QByteArray("\x2eSHE\0\x01garbage", 14)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    ASSERT_TRUE(folder.Add(Built("Vonk")));
    ASSERT_TRUE(folder.Add(Built("SkinH_EL.dll")));
    if (c.skin) {
      ASSERT_TRUE(folder.Write("skinh.she", *c.skin));
    }
    const ProgramRun run = folder.Run("Vonk", true);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.boxes, "");
    EXPECT_TRUE(run.report.endsWith("windows=ShrinkerWindow\n")) << run.report.toStdString();
    EXPECT_FALSE(run.report.contains("#eaf0ee"));
  }
}

}  // namespace
}  // namespace lirex
