// Dalo started as a real program in a folder of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QThread>

#include "tests/program_runner.h"

namespace lirex {
namespace {

// Stands in for Vonk: notes the folder it was started in.
const QByteArray kStandInVonk = "#!/bin/sh\npwd > \"$(dirname \"$0\")/vonk_ran.txt\"\n";

TEST(DaloProcess, DropsTheLibraryAttachesItsSkinAndStartsVonk) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Dalo")));
  ASSERT_TRUE(folder.Write("Vonk", kStandInVonk));
  ASSERT_TRUE(QFile::setPermissions(folder.Path("Vonk"), QFile::ReadOwner | QFile::ExeOwner));
  const ProgramRun run = folder.Run("Dalo", true, "按钮_缩水");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.boxes, "");
  EXPECT_EQ(run.report, "window_colour=#e9eef1\nwindows=PredictorWindow\n") << "skin 6";
  QFile library(folder.Path("SkinH_EL.dll"));
  QFile built(Built("SkinH_EL.dll"));
  ASSERT_TRUE(library.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
  EXPECT_EQ(library.readAll(), built.readAll());

  QFile ran(folder.Path("vonk_ran.txt"));
  for (int wait = 0; wait < 100 && !ran.exists(); ++wait) QThread::msleep(50);
  ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromLocal8Bit(ran.readAll()).trimmed(), QDir(folder.Path(".")).canonicalPath())
      << "started in Dalo's folder";
}

TEST(DaloProcess, ReplacesATruncatedLibraryAndStartsSkinned) {
  QFile built(Built("SkinH_EL.dll"));
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  const QByteArray image = built.readAll();
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Dalo")));
  ASSERT_TRUE(folder.Write("SkinH_EL.dll", image.left(20000)));
  const ProgramRun run = folder.Run("Dalo", true);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.boxes, "");
  EXPECT_EQ(run.report, "window_colour=#e9eef1\nwindows=PredictorWindow\n");
  QFile library(folder.Path("SkinH_EL.dll"));
  ASSERT_TRUE(library.open(QIODevice::ReadOnly));
  EXPECT_EQ(library.readAll(), image);
}

TEST(DaloProcess, StartedProgramsInheritOnlyTheStandardHandles) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Dalo")));
  ASSERT_TRUE(folder.Add(LIREX_FD_LISTER, "Vonk"));
  QProcessEnvironment leak;
  leak.insert("LIREX_PROBE_LEAK_FD", "1");
  const ProgramRun run = folder.Run("Dalo", true, "按钮_缩水", {}, leak);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  QFile listed(folder.Path("fds.txt"));
  for (int wait = 0; wait < 100 && !listed.exists(); ++wait) QThread::msleep(50);
  ASSERT_TRUE(listed.open(QIODevice::ReadOnly));
  EXPECT_EQ(listed.readAll(), "0\n1\n2\n");
}

TEST(DaloProcess, AFolderNamedLikeTheLibraryEndsThroughTheFatalBox) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Dalo")));
  ASSERT_TRUE(QDir(folder.Path(".")).mkdir("SkinH_EL.dll"));
  const ProgramRun run = folder.Run("Dalo", false);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.boxes,
            "title=错误\nicon=critical\nbuttons=确定\nmodal=2\nparent=no\n"
            "text=运行时出错!\n\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
            "AttachRes”\n"
            "\n---\n");
}

TEST(DaloProcess, AMissingVonkStartsNothingAndShowsNothing) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Add(Built("Dalo")));
  const ProgramRun run = folder.Run("Dalo", true, "按钮_缩水");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.boxes, "");
}

}  // namespace
}  // namespace lirex
