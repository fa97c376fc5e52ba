#include "shrinker/shrinker_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <tuple>

#include "common/gbk.h"
#include "tests/gui_support.h"

namespace lirex {
namespace {

// Written from the window's drawing, apart from the code's own layout table.
std::vector<ExpectedControl> ExpectedControls() {
  std::vector<ExpectedControl> rows = {
      {"超级按钮_三星_查询中奖", "QPushButton", "", {584, 584, 58, 24}, "查 询"},
      {"超级按钮_三星_复制大底", "QPushButton", "外形框4", {153, 2, 75, 28}, "复制大底"},
      {"超级按钮_三星_生成大底", "QPushButton", "外形框4", {78, 2, 75, 28}, "生成大底"},
      {"超级按钮_三星_清空大底", "QPushButton", "外形框4", {2, 2, 75, 28}, "清空大底"},
      {"标签6", "QLabel", "", {5, 74, 406, 32}, "本大底制作，用定胆来生成大底，用杀码来缩水！"},
      {"外形框4", "QFrame", "", {412, 74, 230, 32}, ""},
      {"编辑框_三星_大底", "lirex::BoundedTextEdit", "", {412, 111, 230, 470}, ""},
      {"分组框2", "QGroupBox", "", {5, 105, 406, 40}, "定胆码"},
      {"分组框7", "QGroupBox", "", {5, 153, 406, 58}, "杀百位"},
      {"分组框3", "QGroupBox", "", {5, 219, 406, 58}, "杀十位"},
      {"分组框4", "QGroupBox", "", {5, 285, 406, 58}, "杀个位"},
      {"分组框5", "QGroupBox", "", {5, 349, 406, 40}, "杀跨度"},
      {"分组框6", "QGroupBox", "", {5, 397, 406, 76}, "杀和值"},
      {"分组框14", "QGroupBox", "", {5, 482, 406, 155}, "杀组合"},
      {"标签7", "QLabel", "", {414, 584, 60, 24}, "查询中奖："},
      {"编辑框_三星_查询奖号", "QLineEdit", "", {478, 584, 101, 24}, ""},
      {"标签_三星_统计", "QLabel", "", {412, 611, 230, 25}, "当前直选大底注数：0注"},
      {"超文本浏览框_广告", "lirex::WebViewSlot", "", {5, 5, 635, 64}, ""},
  };
  const auto check = [&rows](const QString& key, const QString& group, const QString& caption,
                             QRect geometry) {
    rows.push_back({"选择框_三星_" + key + "_" + caption, "QCheckBox", group, geometry, caption});
  };
  const QStringList digit_keys = {"胆", "百", "十", "个", "跨"};
  const QStringList digit_groups = {"分组框2", "分组框7", "分组框3", "分组框4", "分组框5"};
  for (int g = 0; g < digit_keys.size(); ++g) {
    for (int d = 0; d <= 9; ++d) {
      check(digit_keys[g], digit_groups[g], QString::number(d), {12 + 37 * d, 18, 25, 16});
    }
  }
  const QStringList classes = {"0路", "1路", "2路", "大", "小", "单", "双"};
  const int class_lefts[] = {12, 52, 92, 160, 200, 271, 311};
  for (int g = 1; g <= 3; ++g) {
    for (int c = 0; c < 7; ++c)
      check(digit_keys[g], digit_groups[g], classes[c], {class_lefts[c], 36, 40, 16});
  }
  for (int n = 0; n <= 27; ++n) {
    const QRect place = n < 10   ? QRect(13 + 38 * n, 18, 25, 16)
                        : n < 20 ? QRect(13 + 38 * (n - 10), 36, 34, 16)
                                 : QRect(13 + 38 * (n - 20), 54, 34, 16);
    check("和", "分组框6", QString::number(n), place);
  }
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      for (int c = 0; c < 3; ++c) {
        check("组合", "分组框14", QString("%1%2%3").arg(a).arg(b).arg(c),
              {14 + 42 * (3 * b + c), 19 + 18 * a, 40, 16});
      }
    }
  }
  const QStringList grid[4] = {{"单单单", "单单双", "单双单", "单双双", "杀包子"},
                               {"双双双", "双双单", "双单双", "双单单", "前对子"},
                               {"大大大", "大大小", "大小大", "大小小", "后对子"},
                               {"小小小", "小小大", "小大小", "小大大", "两边对"}};
  const int grid_tops[] = {76, 94, 115, 133};
  const int grid_lefts[] = {14, 93, 172, 251, 332};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 5; ++c)
      check("组合", "分组框14", grid[r][c], {grid_lefts[c], grid_tops[r], 56, 16});
  }
  return rows;
}

class ShrinkerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<ShrinkerWindow>();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  template <typename T>
  T* Find(const QString& name) const {
    T* control = window_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }

  // Through the window system, as a user's click comes, so that modal boxes block it.
  void Click(const QString& name) {
    QPushButton* button = Find<QPushButton>(name);
    const QPoint centre = button->mapTo(window_.get(), button->rect().center());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
  }
  void Tick(const QString& box) { Find<QCheckBox>("选择框_三星_" + box)->setChecked(true); }
  QString Base() const { return Find<QPlainTextEdit>("编辑框_三星_大底")->toPlainText(); }
  QString Count() const { return Find<QLabel>("标签_三星_统计")->text(); }
  void SetQuery(const QString& text) { Find<QLineEdit>("编辑框_三星_查询奖号")->setText(text); }

  SeenBox ClickForMessage(const QString& button) {
    return CatchMessageBox([&] { Click(button); });
  }

  std::unique_ptr<ShrinkerWindow> window_;
};

TEST_F(ShrinkerWindowTest, EveryControlHasItsKindPlaceAndCaption) {
  const std::vector<ExpectedControl> expected = ExpectedControls();
  int check_boxes = 0;
  for (const ExpectedControl& row : expected) {
    SCOPED_TRACE(row.name.toStdString());
    QWidget* control = Find<QWidget>(row.name);
    if (control == nullptr) continue;
    EXPECT_STREQ(control->metaObject()->className(), row.class_name);
    EXPECT_EQ(control->parentWidget()->objectName(),
              row.parent.isEmpty() ? "ShrinkerWindow" : row.parent);
    EXPECT_EQ(control->geometry(), row.geometry);
    EXPECT_EQ(ControlText(control), row.text);
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
      ++check_boxes;
      EXPECT_FALSE(box->isChecked());
      bool is_number = false;
      row.text.toInt(&is_number);
      EXPECT_EQ(box->font().bold(), is_number && row.text.size() <= 2)
          << "bold for numbers of one or two digits";
      EXPECT_EQ(box->font().pointSizeF(), 9.0);
      EXPECT_LE(box->sizeHint().width(), row.geometry.width() + 1) << "the caption fits its box";
    }
  }
  EXPECT_EQ(check_boxes, 146);
  EXPECT_EQ(window_->findChildren<QCheckBox*>().size(), 146);
}

TEST_F(ShrinkerWindowTest, WindowHasAFixedFrameWithoutMaximize) {
  EXPECT_TRUE(window_->windowTitle().startsWith("Lirex三星缩水器("));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_GE(window_->width(), 642);
  EXPECT_GE(window_->height(), 637);
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(ShrinkerWindowTest, BoxesHaveTheirLook) {
  auto* base = Find<QPlainTextEdit>("编辑框_三星_大底");
  EXPECT_FALSE(base->isReadOnly());
  EXPECT_EQ(base->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(base->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(base->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(base->font().pointSizeF(), 9.0);
  auto* query = Find<QLineEdit>("编辑框_三星_查询奖号");
  EXPECT_EQ(query->alignment(), Qt::AlignCenter);
  EXPECT_EQ(query->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_TRUE(query->font().bold());
  EXPECT_EQ(query->font().pixelSize(), 19);
  EXPECT_GT(query->maxLength(), 1000000);
}

TEST_F(ShrinkerWindowTest, GenerateWritesTheBaseAndItsCount) {
  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(Base().size(), 4000);
  EXPECT_TRUE(Base().startsWith("999 998 "));
  EXPECT_EQ(Count(), "当前大底注数：1000注");

  Tick("胆_5");
  Tick("百_5");
  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(Count(), "当前大底注数：171注");
  EXPECT_TRUE(Base().startsWith("005 015 025 035 045 050 "));

  Tick("百_大");
  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(Count(), "当前大底注数：95注") << "the 大 box of 杀百位 removes big hundreds digits";
}

TEST_F(ShrinkerWindowTest, TheCountAlwaysTellsWhatTheBoxHolds) {
  EXPECT_EQ(Count(), "当前直选大底注数：0注") << "before the first count";
  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(Count(), "当前大底注数：1000注");
  Click("超级按钮_三星_清空大底");
  EXPECT_EQ(Base(), "");
  EXPECT_EQ(Count(), "当前大底注数：0注");
  for (const char* digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
    Tick(QString("百_") + digit);
  }
  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(Base(), "");
  EXPECT_EQ(Count(), "当前大底注数：0注") << "a run that removes every number";

  auto* base = Find<QPlainTextEdit>("编辑框_三星_大底");
  base->setFocus();
  QTest::keyClicks(base, "123 456 ");
  EXPECT_EQ(Count(), "当前大底注数：2注") << "typed by hand";
  QTest::keyClick(base, Qt::Key_Backspace);
  QTest::keyClick(base, Qt::Key_Backspace);
  EXPECT_EQ(Count(), "当前大底注数：2注") << "\"123 45\" is two pieces";
  base->selectAll();
  QTest::keyClick(base, Qt::Key_Delete);
  EXPECT_EQ(Count(), "当前大底注数：0注");
}

TEST_F(ShrinkerWindowTest, LookUpShowsEachOfItsMessages) {
  const struct {
    const char* base;  // typed into the base box; nullptr: generate with banker digit 1
    const char* query;
    const char* message;
  } cases[] = {
      {"", "", "没有大底！"},
      {"", "123", "没有大底！"},
      {"123 ", "", "没有输入三位开奖号"},
      {"123 ", "12 ", "输入的开奖号应为三位数"},
      {"123 ", "１２３", "输入的开奖号应为三位数"},
      {nullptr, "123", "有中奖！"},
      {nullptr, "456", "没中奖！"},
      {"1234 ", "234", "有中奖！"},
  };
  Tick("胆_1");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    auto* base = Find<QPlainTextEdit>("编辑框_三星_大底");
    if (c.base == nullptr) {
      Click("超级按钮_三星_生成大底");
    } else {
      base->clear();
      QTest::keyClicks(base, c.base);
    }
    SetQuery(c.query);
    const QString base_before = Base();
    const QString count_before = Count();
    const SeenBox seen = ClickForMessage("超级按钮_三星_查询中奖");
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, c.message);
    EXPECT_EQ(seen.title, "信息：");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{"确定"}) << "the platform's own word";
    EXPECT_GE(seen.width, 220) << "room for the title in the title bar";
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_FALSE(seen.has_parent);
    EXPECT_EQ(Base(), base_before);
    EXPECT_EQ(Count(), count_before);
  }
}

TEST_F(ShrinkerWindowTest, CopyPutsExactlyTheShownTextOnTheClipboard) {
  auto* base = Find<QPlainTextEdit>("编辑框_三星_大底");
  const QString outside_gbk = QString::fromUtf8("123 😀 한 ÿ € 456 ");
  for (const QString typed : {QString("123 456 "), QString(), QString("大底 007 "), outside_gbk}) {
    base->setPlainText(typed);
    QGuiApplication::clipboard()->setText("before");
    const SeenBox seen = ClickForMessage("超级按钮_三星_复制大底");
    EXPECT_EQ(seen.text, "生成的大底已复制！");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), typed);
  }
  Click("超级按钮_三星_生成大底");
  ClickForMessage("超级按钮_三星_复制大底");
  EXPECT_EQ(QGuiApplication::clipboard()->text().size(), 4000);
}

// The box holds at most 32,767 characters, as the platform's rich edit control does by default:
// a longer paste is cut to fit and typing into a full box adds nothing.
TEST_F(ShrinkerWindowTest, TheBaseBoxRefusesTextBeyondItsBound) {
  auto* base = Find<QPlainTextEdit>("编辑框_三星_大底");
  const auto paste = [&](const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    base->paste();
  };
  base->setFocus();
  paste(QString(1 << 20, QLatin1Char('7')));
  EXPECT_EQ(base->toPlainText().size(), 32767);
  paste(QStringLiteral("123 "));
  QTest::keyClicks(base, "4");
  QTest::keyClick(base, Qt::Key_Return);
  EXPECT_EQ(base->toPlainText().size(), 32767);

  base->selectAll();
  paste(QString::fromUtf8("12\r\n34"));
  EXPECT_EQ(base->toPlainText(), "12\n34") << "a pasted line break counts one character";

  base->clear();
  paste(QString(32766, QLatin1Char('1')) + QString::fromUtf8("😀"));
  EXPECT_EQ(base->toPlainText().toStdString(), std::string(32766, '1')) << "no half of a pair";
  QTest::keyClicks(base, "23");
  EXPECT_EQ(base->toPlainText().size(), 32767);

  Click("超级按钮_三星_生成大底");
  EXPECT_EQ(base->toPlainText().size(), 4000) << "the program's own writes are not bounded";
}

// Reading order: the conditions group by group from the top, each row from the left; then the
// right column: the three buttons, the base, the query box and 查 询. Tab never types into the
// base.
TEST_F(ShrinkerWindowTest, TabGoesThroughEveryControlInReadingOrder) {
  const QStringList groups = {"分组框2", "分组框7", "分组框3", "分组框4",
                              "分组框5", "分组框6", "分组框14"};
  std::vector<ExpectedControl> boxes;
  for (const ExpectedControl& row : ExpectedControls()) {
    if (QString(row.class_name) == "QCheckBox") boxes.push_back(row);
  }
  std::stable_sort(boxes.begin(), boxes.end(), [&](const auto& a, const auto& b) {
    return std::tuple(groups.indexOf(a.parent), a.geometry.y(), a.geometry.x()) <
           std::tuple(groups.indexOf(b.parent), b.geometry.y(), b.geometry.x());
  });
  QStringList expected;
  for (const ExpectedControl& box : boxes) expected << box.name;
  expected << "超级按钮_三星_清空大底"
           << "超级按钮_三星_生成大底"
           << "超级按钮_三星_复制大底"
           << "编辑框_三星_大底"
           << "编辑框_三星_查询奖号"
           << "超级按钮_三星_查询中奖";

  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Find<QWidget>(expected.front())->setFocus();
  QStringList seen = {QApplication::focusWidget()->objectName()};
  while (seen.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    seen << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Base(), "") << "Tab typed into the base box";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "编辑框_三星_大底");
}

TEST_F(ShrinkerWindowTest, SpaceTicksAndEnterLooksUp) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  auto* box = Find<QCheckBox>("选择框_三星_胆_3");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_TRUE(box->isChecked());
  Click("超级按钮_三星_生成大底");
  auto* query = Find<QLineEdit>("编辑框_三星_查询奖号");
  query->setFocus();
  QTest::keyClicks(query, "123");
  const SeenBox seen = CatchMessageBox([&] { QTest::keyClick(query, Qt::Key_Return); });
  EXPECT_EQ(seen.text, "有中奖！");
}

TEST_F(ShrinkerWindowTest, AMessageBoxBlocksOtherClicks) {
  const SeenBox seen = CatchMessageBox([&] { Click("超级按钮_三星_查询中奖"); },
                                       [&] { Click("超级按钮_三星_生成大底"); });
  EXPECT_EQ(seen.text, "没有大底！");
  EXPECT_EQ(Base(), "") << "the click on 生成大底 reached the window while the box was up";
}

TEST_F(ShrinkerWindowTest, TheNextGenerationDiscardsTypedText) {
  QTest::keyClicks(Find<QPlainTextEdit>("编辑框_三星_大底"), "typed by hand");
  Tick("胆_9");
  Click("超级按钮_三星_生成大底");
  EXPECT_FALSE(Base().contains("typed"));
  EXPECT_EQ(Count(), "当前大底注数：271注");
}

}  // namespace
}  // namespace lirex
