// With the skin attached, what the windows show in the colours their controls are given: read
// from pixels of the grabbed windows.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "predictor/banker_calc_window.h"
#include "predictor/carried_data.h"
#include "shrinker/shrinker_window.h"

namespace lirex {
namespace {

class SkinnedLookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = dlopen(LIREX_OUT_DIR "/SkinH_EL.dll", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    attach_ex_ =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(library_, "SkinH_AttachEx"));
    attach_res_ = reinterpret_cast<int (*)(const unsigned char*, int, const char*, int, int, int)>(
        dlsym(library_, "SkinH_AttachRes"));
    ASSERT_TRUE(attach_ex_ && attach_res_);
  }
  void TearDown() override {
    qApp->setStyleSheet(QString());
    QApplication::setPalette(QPalette());
  }

  // Pixels of `control` in the grabbed window, in the control's own coordinates.
  static QImage Grab(QWidget* window, QWidget* control) {
    const QImage image = window->grab().toImage();
    return image.copy(QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
  }
  static int Count(const QImage& image, const std::function<bool(QColor)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += wanted(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
  }
  static bool IsRed(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }

  void* library_ = nullptr;
  int (*attach_ex_)(const char*, const char*) = nullptr;
  int (*attach_res_)(const unsigned char*, int, const char*, int, int, int) = nullptr;
};

TEST_F(SkinnedLookTest, VonksBoxesKeepTheirWhiteGroundAndTheQueryItsRedDigits) {
  ASSERT_EQ(attach_ex_(LIREX_OUT_DIR "/skinh.she", ""), 1);
  ShrinkerWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* check_box = window.findChild<QCheckBox*>("选择框_三星_胆_0");
  const QImage box = Grab(&window, check_box);
  EXPECT_EQ(box.pixelColor(box.width() - 2, box.height() / 2), QColor(Qt::white));

  window.findChild<QCheckBox*>("选择框_三星_胆_5")->setChecked(true);
  window.findChild<QPushButton*>("超级按钮_三星_生成大底")->click();
  auto* base_box = window.findChild<QPlainTextEdit*>("编辑框_三星_大底");
  const QImage base = Grab(&window, base_box);
  EXPECT_GT(Count(base, [](QColor c) { return c == Qt::white; }), base.width() * base.height() / 2);
  auto* query_box = window.findChild<QLineEdit*>("编辑框_三星_查询奖号");
  query_box->setText("123");
  const QImage query = Grab(&window, query_box);
  EXPECT_EQ(query.pixelColor(4, query.height() / 2), QColor(Qt::white));
  EXPECT_GT(Count(query, IsRed), 30) << "red digits";
}

TEST_F(SkinnedLookTest, TheCalculatorsOutputIsRedOnBlack) {
  const QByteArray skin = CarriedSkin(6);
  ASSERT_EQ(attach_res_(reinterpret_cast<const unsigned char*>(skin.constData()),
                        static_cast<int>(skin.size()), "", 0, 0, 0),
            1);
  BankerCalcWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.findChild<QLineEdit*>("编辑框_后三")->setText("12345");
  window.findChild<QPushButton*>("按钮_生成胆码")->click();
  const QImage output = Grab(&window, window.findChild<QLineEdit*>("编辑框_胆码"));
  EXPECT_EQ(output.pixelColor(8, output.height() / 2), QColor(Qt::black));
  EXPECT_GT(Count(output, IsRed), 100) << "red digits";
  const QImage input = Grab(&window, window.findChild<QLineEdit*>("编辑框_后三"));
  EXPECT_EQ(input.pixelColor(8, input.height() / 2), QColor(Qt::white));
}

}  // namespace
}  // namespace lirex
