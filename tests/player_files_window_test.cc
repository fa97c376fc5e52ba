// Vonk's context menus and shortcuts for the player's files, driven as a player drives them.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shrinker/shrinker_window.h"
#include "tests/gui_support.h"

namespace lirex {
namespace {

class PlayerFilesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<ShrinkerWindow>();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  QAction* Action(const char* text) const {
    for (QAction* action : window_->actions()) {
      if (action->text() == QString::fromUtf8(text)) return action;
    }
    ADD_FAILURE() << "no action " << text;
    return nullptr;
  }
  QCheckBox* Box(const QString& name) const {
    return window_->findChild<QCheckBox*>("选择框_三星_" + name);
  }
  QPlainTextEdit* BaseBox() const {
    return window_->findChild<QPlainTextEdit*>("编辑框_三星_大底");
  }
  QString File(const char* name) const { return files_.filePath(name); }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile file(File(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read(const char* name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Runs `action`, answers the file dialog it opens with `path`, and returns the message box
  // that follows, if any.
  SeenBox WithFile(const std::function<void()>& action, const QString& path) {
    QTimer poll;
    bool answered = false;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || answered) return;
      answered = true;
      dialog->selectFile(path);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start(5);
    const SeenBox seen = CatchMessageBox(action);
    EXPECT_TRUE(answered) << "no file dialog";
    return seen;
  }

  // The texts of the context menu that a right-click on `widget` opens.
  static QStringList MenuOf(QWidget* widget) {
    QStringList texts;
    QTimer::singleShot(50, widget, [&texts] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      for (QAction* action : menu->actions()) texts << action->text();
      menu->close();
    });
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
    return texts;
  }

  QTemporaryDir files_;
  std::unique_ptr<ShrinkerWindow> window_;
};

TEST_F(PlayerFilesWindowTest, ContextMenusOfferTheFiles) {
  for (QGroupBox* group : window_->findChildren<QGroupBox*>()) {
    EXPECT_EQ(MenuOf(group), (QStringList{"保存条件…", "载入条件…", "清除全部勾选"}))
        << group->title().toStdString();
  }
  EXPECT_EQ(MenuOf(Box("十_大")), (QStringList{"保存条件…", "载入条件…", "清除全部勾选"}))
      << "a right-click on a box is one on its group";
  const QStringList base_menu = MenuOf(BaseBox()->viewport());
  ASSERT_GT(base_menu.size(), 4) << "Qt's own edit actions come first";
  EXPECT_EQ(base_menu.mid(base_menu.size() - 3),
            (QStringList{"导出大底…", "导入大底…", "回测开奖历史…"}));
  EXPECT_EQ(Action("保存条件…")->shortcut(), QKeySequence::Save);
  EXPECT_EQ(Action("载入条件…")->shortcut(), QKeySequence::Open);
}

TEST_F(PlayerFilesWindowTest, ConditionsAreSavedLoadedAndCleared) {
  Box("胆_3")->setChecked(true);
  Box("组合_前对子")->setChecked(true);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  WithFile([&] { QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier); },
           File("mine.txt"));
  EXPECT_TRUE(Read("mine.txt").contains("胆 = 3\n"));
  EXPECT_TRUE(Read("mine.txt").contains("组合 = 前对子\n"));

  Action("清除全部勾选")->trigger();
  EXPECT_FALSE(Box("胆_3")->isChecked());
  Box("百_9")->setChecked(true);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  WithFile([&] { QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier); },
           File("mine.txt"));
  EXPECT_TRUE(Box("胆_3")->isChecked());
  EXPECT_TRUE(Box("组合_前对子")->isChecked());
  EXPECT_FALSE(Box("百_9")->isChecked()) << "loading replaces the ticks";
}

TEST_F(PlayerFilesWindowTest, ABadConditionsFileChangesNothing) {
  Write("bad.txt", "版本 = 1\n胆 = 3\n千 = 1\n");
  Box("个_0")->setChecked(true);
  const SeenBox seen = WithFile([&] { Action("载入条件…")->trigger(); }, File("bad.txt"));
  EXPECT_EQ(seen.text, "载入条件失败，没有改动任何勾选：\n第3行有未知的项目“千”");
  EXPECT_FALSE(Box("胆_3")->isChecked());
  EXPECT_TRUE(Box("个_0")->isChecked());
}

TEST_F(PlayerFilesWindowTest, TheBaseIsExportedImportedAndBackTested) {
  Box("胆_5")->setChecked(true);
  window_->findChild<QPushButton*>("超级按钮_三星_生成大底")->click();
  WithFile([&] { Action("导出大底…")->trigger(); }, File("base.txt"));
  EXPECT_EQ(Read("base.txt").count(' '), 270);

  Write("import.txt", "123,456\r\n789\n");
  WithFile([&] { Action("导入大底…")->trigger(); }, File("import.txt"));
  EXPECT_EQ(BaseBox()->toPlainText(), "123 456 789 ");
  EXPECT_EQ(window_->findChild<QLabel*>("标签_三星_统计")->text(), "当前大底注数：3注");

  Write("wrong.txt", "123 45\n");
  const SeenBox refused = WithFile([&] { Action("导入大底…")->trigger(); }, File("wrong.txt"));
  EXPECT_EQ(refused.text, "导入大底失败，大底没有改动：\n第1行第2项“45”不是三位数的号码");
  EXPECT_EQ(BaseBox()->toPlainText(), "123 456 789 ");

  Write("history.txt", "期号 号码\n2024001 123\n2024002 000\n");
  const SeenBox report = WithFile([&] { Action("回测开奖历史…")->trigger(); }, File("history.txt"));
  EXPECT_TRUE(report.text.startsWith("共读取开奖2期，其中1期在大底中。"))
      << report.text.toStdString();
}

TEST_F(PlayerFilesWindowTest, TheGenerateTooltipCountsAheadAtEveryTick) {
  auto* generate = window_->findChild<QPushButton*>("超级按钮_三星_生成大底");
  EXPECT_EQ(generate->toolTip(), "按当前勾选将生成1000注");
  Box("胆_5")->setChecked(true);
  EXPECT_EQ(generate->toolTip(), "按当前勾选将生成271注");
  Box("百_5")->setChecked(true);
  EXPECT_EQ(generate->toolTip(), "按当前勾选将生成171注");
  EXPECT_EQ(BaseBox()->toPlainText(), "") << "the preview writes nothing";
}

}  // namespace
}  // namespace lirex
