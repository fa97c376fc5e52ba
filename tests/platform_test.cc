// The platform layer's files: the whole-file write and the check that a library can be mapped
// whole.
#include "common/platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>
#include <vector>

#include "common/shared_object_check.h"
#include "predictor/carried_data.h"
#include "predictor/skin_setup.h"
#include "tests/program_runner.h"

namespace lirex {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(WriteWholeFile, WritesOrReplacesAndLeavesNothingElse) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("file").toStdString();
  ASSERT_TRUE(WriteWholeFile(path, "first"));
  ASSERT_TRUE(WriteWholeFile(path, "second"));
  EXPECT_EQ(ReadAll(folder.filePath("file")), "second");
  EXPECT_EQ(Entries(folder.path()), QStringList{"file"});
}

TEST(WriteWholeFile, ReportsEveryFailure) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkpath("full/inside"));
  EXPECT_FALSE(WriteWholeFile(folder.filePath("full").toStdString(), "bytes"))
      << "a folder of that name that is not empty";
  EXPECT_TRUE(QFileInfo(folder.filePath("full/inside")).isDir());
  EXPECT_FALSE(WriteWholeFile(folder.filePath("missing/file").toStdString(), "bytes"));
  EXPECT_FALSE(WriteWholeFile("", "bytes"));
  EXPECT_EQ(Entries(folder.path()), QStringList{"full"}) << "no temporary file is left";
}

QByteArray BuiltLibrary() { return ReadAll(Built("SkinH_EL.dll")); }

TEST(SharedObjectCheck, AcceptsOnlyALibraryWhoseSegmentsLieInside) {
  const QByteArray whole = BuiltLibrary();
  ASSERT_GT(whole.size(), 20000);
  QByteArray other_class = whole;
  other_class[4] = 1;  // ELFCLASS32
  QByteArray headers_past_end = whole;
  headers_past_end[32] = '\xff';  // the program headers' offset
  headers_past_end[33] = '\xff';
  headers_past_end[34] = '\xff';
  const struct {
    const char* name;
    QByteArray image;
    bool complete;
  } cases[] = {
      {"the built library", whole, true},
      {"cut at 20000 bytes", whole.left(20000), false},
      {"only the ELF header", whole.left(64), false},
      {"empty", QByteArray(), false},
      {"text", "not a library at all, just some text that is long enough", false},
      {"another class", other_class, false},
      {"program headers past the end", headers_past_end, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsCompleteSharedObject(std::string_view(c.image.constData(), c.image.size())),
              c.complete)
        << c.name;
  }
}

TEST(SharedObjectCheck, ReadsOnlyARegularFileAndNeverBlocks) {
  QTemporaryDir folder;
  EXPECT_TRUE(IsCompleteSharedObjectFile(Built("SkinH_EL.dll").toStdString()));
  const QString pipe = folder.filePath("pipe");
  ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  EXPECT_FALSE(IsCompleteSharedObjectFile(pipe.toStdString()));
  EXPECT_FALSE(IsCompleteSharedObjectFile(folder.path().toStdString()));
  EXPECT_FALSE(IsCompleteSharedObjectFile(folder.filePath("missing").toStdString()));
}

TEST(DropSkinLibrary, ReplacesAFileThatIsNoCompleteLibrary) {
  const QByteArray image = SkinLibraryImage();
  for (const QByteArray& damaged : {image.left(20000), QByteArray(), QByteArray("garbage")}) {
    QTemporaryDir folder;
    QFile file(folder.filePath("SkinH_EL.dll"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    DropSkinLibraryInto(folder.path().toStdString());
    EXPECT_EQ(ReadAll(folder.filePath("SkinH_EL.dll")), image) << damaged.size() << " bytes";
    EXPECT_EQ(Entries(folder.path()), QStringList{"SkinH_EL.dll"});
  }
}

TEST(DropSkinLibrary, LeavesACompleteLibraryAlone) {
  QTemporaryDir folder;
  const QByteArray other = ReadAll(LIREX_STUB_SKIN_LIBRARY);
  ASSERT_TRUE(IsCompleteSharedObject(std::string_view(other.constData(), other.size())));
  QFile file(folder.filePath("SkinH_EL.dll"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(other);
  file.close();
  DropSkinLibraryInto(folder.path().toStdString());
  EXPECT_EQ(ReadAll(folder.filePath("SkinH_EL.dll")), other);
}

// Two programs starting at once in one folder each write their own temporary file.
TEST(DropSkinLibrary, DropsAtOnceLeaveAWholeLibrary) {
  const QByteArray image = SkinLibraryImage();
  QTemporaryDir folder;
  const std::string directory = folder.path().toStdString();
  for (int round = 0; round < 100; ++round) {
    QFile::remove(folder.filePath("SkinH_EL.dll"));
    std::vector<std::thread> droppers;
    for (int i = 0; i < 4; ++i) droppers.emplace_back([&] { DropSkinLibraryInto(directory); });
    for (std::thread& dropper : droppers) dropper.join();
    ASSERT_EQ(ReadAll(folder.filePath("SkinH_EL.dll")), image) << "round " << round;
  }
  EXPECT_EQ(Entries(folder.path()), QStringList{"SkinH_EL.dll"});
}

}  // namespace
}  // namespace lirex
