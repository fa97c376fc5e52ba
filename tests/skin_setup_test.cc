// Dalo's carried skins and library, and how they reach the skinning library. The library beside
// this test program is a recording stand-in.
#include "predictor/skin_setup.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <filesystem>

#include "common/platform.h"
#include "predictor/carried_data.h"
#include "skin/skin_format.h"
#include "tests/recording_skin_library.h"

namespace lirex {
namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<SkinLibraryCall>& Calls() {
  void* library = dlopen(FileBesideProgram("SkinH_EL.dll").c_str(), RTLD_NOW | RTLD_LOCAL);
  EXPECT_NE(library, nullptr) << dlerror();
  auto recorded = reinterpret_cast<RecordedCalls>(dlsym(library, "RecordedSkinLibraryCalls"));
  EXPECT_NE(recorded, nullptr);
  return *recorded();
}

TEST(CarriedData, TheLibraryImageIsTheLibraryJustBuilt) {
  const QByteArray image = SkinLibraryImage();
  EXPECT_FALSE(image.isEmpty());
  EXPECT_EQ(image, ReadFile(LIREX_OUT_DIR "/SkinH_EL.dll"));
}

TEST(CarriedData, ThirtyThreeDistinctNamedSkins) {
  QSet<QString> names;
  QSet<QRgb> windows;
  for (int number = 1; number <= kCarriedSkinCount; ++number) {
    const QByteArray bytes = CarriedSkin(number);
    EXPECT_TRUE(bytes.startsWith(QByteArray(".SHE\0", 5))) << number;
    const std::optional<skin::Skin> parsed = skin::ParseSkin(bytes.toStdString());
    ASSERT_TRUE(parsed.has_value()) << number;
    names.insert(parsed->name);
    windows.insert(parsed->window.rgb());
  }
  EXPECT_EQ(names.size(), kCarriedSkinCount);
  EXPECT_EQ(windows.size(), kCarriedSkinCount);
  for (int outside : {0, 34, -1, INT_MIN}) EXPECT_TRUE(CarriedSkin(outside).isEmpty()) << outside;
}

class DropSkinLibraryTest : public ::testing::Test {
 protected:
  QString Path() const { return folder_.filePath("SkinH_EL.dll"); }
  void Drop() { DropSkinLibraryInto(folder_.path().toStdString()); }

  QTemporaryDir folder_;
};

TEST_F(DropSkinLibraryTest, WritesTheImageWhenNothingIsThere) {
  Drop();
  EXPECT_EQ(ReadFile(Path()), SkinLibraryImage());
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{"SkinH_EL.dll"})
      << "no temporary file is left behind";
}

TEST_F(DropSkinLibraryTest, LeavesAFolderOrABrokenLinkOfThatNameAlone) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("SkinH_EL.dll"));
  Drop();
  EXPECT_TRUE(QFileInfo(Path()).isDir());
  EXPECT_TRUE(QDir(Path()).isEmpty());

  QTemporaryDir other;
  const QString link = other.filePath("SkinH_EL.dll");
  ASSERT_EQ(symlink("/nonexistent/target", link.toLocal8Bit().constData()), 0);
  DropSkinLibraryInto(other.path().toStdString());
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_FALSE(QFileInfo::exists("/nonexistent/target"));
}

TEST_F(DropSkinLibraryTest, AnUnwritableFolderFailsQuietly) {
  DropSkinLibraryInto("/nonexistent/folder");
  EXPECT_FALSE(QFileInfo::exists("/nonexistent/folder/SkinH_EL.dll"));
}

TEST(AttachCarriedSkin, HandsACopyOfTheSkinOrNothing) {
  const struct {
    int number;
    QByteArray bytes;
  } cases[] = {
      {6, CarriedSkin(6)}, {1, CarriedSkin(1)}, {33, CarriedSkin(33)}, {0, {}}, {34, {}}, {-1, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    Calls().clear();
    AttachCarriedSkin(c.number);
    ASSERT_EQ(Calls().size(), 1u);
    const SkinLibraryCall& call = Calls()[0];
    EXPECT_EQ(call.routine, "SkinH_AttachRes");
    EXPECT_EQ(call.null_data, c.bytes.isEmpty());
    EXPECT_EQ(call.size, c.bytes.size());
    EXPECT_EQ(QByteArray::fromStdString(call.bytes), c.bytes);
    EXPECT_EQ(call.password, "");
    EXPECT_EQ(call.reserved[0] | call.reserved[1] | call.reserved[2], 0);
  }
}

TEST(SkinSetup, AttachesSkinSixThenTurnsOnAero) {
  Calls().clear();
  SkinSetup();
  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[0].routine, "SkinH_AttachRes");
  EXPECT_EQ(QByteArray::fromStdString(Calls()[0].bytes), CarriedSkin(6));
  EXPECT_EQ(Calls()[1].routine, "SkinH_SetAero");
  EXPECT_EQ(Calls()[1].aero, 1);
}

}  // namespace
}  // namespace lirex
