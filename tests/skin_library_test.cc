// The skinning library as a program binds it: by file name, through its three exports.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>

#include "skin/skin_format.h"

namespace lirex {
namespace {

class SkinLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = dlopen(LIREX_OUT_DIR "/SkinH_EL.dll", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    attach_ex_ = reinterpret_cast<AttachEx>(dlsym(library_, "SkinH_AttachEx"));
    attach_res_ = reinterpret_cast<AttachRes>(dlsym(library_, "SkinH_AttachRes"));
    set_aero_ = reinterpret_cast<SetAero>(dlsym(library_, "SkinH_SetAero"));
    ASSERT_TRUE(attach_ex_ && attach_res_ && set_aero_);
    QApplication::setPalette(QPalette(Qt::gray));
  }

  static QString WindowColour() { return QApplication::palette().color(QPalette::Window).name(); }

  using AttachEx = int (*)(const char*, const char*);
  using AttachRes = int (*)(const unsigned char*, int, const char*, int, int, int);
  using SetAero = int (*)(int);

  void* library_ = nullptr;
  AttachEx attach_ex_ = nullptr;
  AttachRes attach_res_ = nullptr;
  SetAero set_aero_ = nullptr;
};

TEST_F(SkinLibraryTest, AttachesTheInstalledSkinFile) {
  EXPECT_EQ(attach_ex_(LIREX_OUT_DIR "/skinh.she", ""), 1);
  EXPECT_EQ(WindowColour(), "#eaf0ee");
  EXPECT_FALSE(qApp->styleSheet().isEmpty());
}

TEST_F(SkinLibraryTest, RefusesWhatIsNotASkinAndKeepsTheLook) {
  const std::string not_a_skin = "just text";
  EXPECT_EQ(attach_ex_("/nonexistent/skinh.she", ""), 0);
  EXPECT_EQ(attach_ex_(nullptr, nullptr), 0);
  EXPECT_EQ(attach_ex_(LIREX_OUT_DIR, ""), 0) << "a folder";
  QTemporaryDir folder;
  const QByteArray pipe = folder.filePath("skinh.she").toLocal8Bit();
  ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
  EXPECT_EQ(attach_ex_(pipe.constData(), ""), 0) << "a named pipe, without waiting for a writer";
  EXPECT_EQ(attach_res_(nullptr, 0, "", 0, 0, 0), 0);
  EXPECT_EQ(attach_res_(reinterpret_cast<const unsigned char*>(not_a_skin.data()), -5, "", 0, 0, 0),
            0);
  EXPECT_EQ(attach_res_(reinterpret_cast<const unsigned char*>(not_a_skin.data()),
                        static_cast<int>(not_a_skin.size()), "", 0, 0, 0),
            0);
  EXPECT_EQ(WindowColour(), QColor(Qt::gray).name());
}

TEST_F(SkinLibraryTest, AttachesASkinFromMemoryAndKeepsItsOwnCopy) {
  skin::Skin skin = *skin::ParseSkin([] {
    std::ifstream in(LIREX_OUT_DIR "/skinh.she", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }());
  skin.window = QColor("#123456");
  std::string bytes = skin::EncodeSkin(skin);
  EXPECT_EQ(attach_res_(reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<int>(bytes.size()), "", 0, 0, 0),
            1);
  bytes.assign(bytes.size(), '\0');
  EXPECT_EQ(set_aero_(1), 1) << "re-applies the attached skin from the library's own copy";
  EXPECT_EQ(WindowColour(), "#123456");
}

}  // namespace
}  // namespace lirex
