#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "common/site_hosts.h"
#include "common/web_view_slot.h"
#include "predictor/predictor_window.h"
#include "tests/banker_number_cases.h"
#include "tests/gui_support.h"

namespace lirex {
namespace {

const QString kHost = QString::fromLatin1(kTovanHost);

struct ExpectedWindow {
  QString name;
  QString title;
  QSize client;
  bool fixed;
  bool taskbar_button;
  std::vector<ExpectedControl> controls;
};

std::vector<ExpectedWindow> ExpectedWindows() {
  return {
      {"PredictorWindow",
       "Dalo_Tovan网" + kHost,
       {722, 310},
       false,
       true,
       {{"按钮_胆码计算", "QPushButton", "", {7, 6, 122, 46}, "⒈计算胆码"},
        {"按钮_缩水", "QPushButton", "", {138, 6, 122, 46}, "⒉三星缩水"},
        {"按钮_倍投", "QPushButton", "", {269, 6, 122, 46}, "⒊倍投方案"},
        {"按钮_开奖视频", "QPushButton", "", {7, 64, 122, 46}, "打开开奖视频"},
        {"按钮_计算器", "QPushButton", "", {138, 64, 122, 46}, "打开计算器"},
        {"按钮_记事本", "QPushButton", "", {269, 64, 122, 46}, "打开记事本"},
        {"超文本浏览框1", "lirex::WebViewSlot", "", {7, 121, 386, 185}, ""},
        {"编辑框1",
         "QTextEdit",
         "",
         {400, 6, 317, 18},
         "本算法取后三胆码准确率高达98%+,已验证万期数据!"},
        {"编辑框2",
         "QPlainTextEdit",
         "",
         {400, 33, 317, 273},
         "   为了您能正确地使用本软件请仔细阅读下方使用说明:\n\n   "
         "首先打开【计算胆码】,按照上面的提示"
         "输入上期后三位,点击按钮【生成胆码】,取前两位不同的数字作为未来三期的后三胆码,"
         "这两个胆码可以"
         "直接作为后三不定位双胆三期来进行投注,"
         "也可以配合【三星缩水】来生成488注的后三大底进行三期倍投,"
         "倍投方案可以直接点击【倍投方案】,我给大家提供了两种倍投参考。\n\n"}}},
      {"BankerCalcWindow",
       "后三胆码计算_欢迎访问Tovan网:" + kHost,
       {457, 165},
       true,
       false,
       {{"编辑框_后三", "QLineEdit", "", {7, 8, 176, 48}, ""},
        {"编辑框_胆码", "QLineEdit", "", {7, 64, 176, 48}, "胆码"},
        {"按钮_生成胆码", "QPushButton", "", {7, 120, 176, 45}, "~嘛哩嘛哩哄~\n--生成胆码--"},
        {"标签_说明",
         "QLabel",
         "",
         {192, 27, 264, 11},
         "← 请在左边的框框中填入上期开奖号码的后三位"},
        {"标签1", "QLabel", "", {192, 80, 256, 15}, "← 请取前两位不同数字作为未来三期的后三胆码"},
        {"标签2",
         "QLabel",
         "",
         {192, 121, 256, 40},
         "注意：取两位前不同的意思是：例如生成的胆码为55312，则取53为胆码，而不是只有5！"}}},
      {"BettingPlanWindow",
       "后三双胆倍投方案参考_欢迎访问Tovan网:" + kHost,
       {648, 339},
       true,
       false,
       {{"图片框1", "QLabel", "", {-1, -1, 650, 104}, ""},
        {"图片框2", "QLabel", "", {-1, 99, 650, 104}, ""},
        {"编辑框1",
         "QPlainTextEdit",
         "",
         {0, 200, 648, 71},
         "   以上投注方案仅供参考,请结合实际情况进行倍投,"},
        {"超文本浏览框1", "lirex::WebViewSlot", "", {1, 274, 645, 65}, ""}}},
      {"DrawVideoWindow",
       "时时彩开奖视频_欢迎访问Tovan网:" + kHost,
       {626, 181},
       false,
       true,
       {{"外形框1", "QFrame", "", {0, 0, 469, 181}, ""},
        {"超文本浏览框_开奖视频", "lirex::WebViewSlot", "外形框1", {-252, -220, 741, 418}, ""},
        {"按钮_cqssc", "QPushButton", "", {480, 4, 136, 28}, "重庆时时彩"},
        {"按钮_jxssc", "QPushButton", "", {480, 40, 136, 28}, "江西时时彩"},
        {"按钮_cqsyxw", "QPushButton", "", {480, 76, 136, 28}, "重庆十一选五"},
        {"按钮_jxsyxw", "QPushButton", "", {480, 112, 136, 28}, "江西十一选五"},
        {"超级链接框1", "QLabel", "", {480, 150, 136, 21}, ""}}},
  };
}

QWidget* TopLevel(const QString& name) {
  QWidget* found = nullptr;
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) {
      found = widget;
      ++count;
    }
  }
  EXPECT_LE(count, 1) << name.toStdString() << " open more than once";
  return found;
}

class PredictorWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    predictor_ = std::make_unique<PredictorWindow>();
    predictor_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(predictor_.get()));
  }

  void TearDown() override {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget != predictor_.get() && qobject_cast<DaloWindow*>(widget)) widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static void Click(QWidget* window, const QString& button) {
    auto* control = window->findChild<QPushButton*>(button);
    ASSERT_NE(control, nullptr) << button.toStdString();
    control->click();
  }

  QWidget* Open(const QString& button, const QString& window) {
    Click(predictor_.get(), button);
    return TopLevel(window);
  }

  std::unique_ptr<PredictorWindow> predictor_;
};

TEST_F(PredictorWindowsTest, EveryWindowHasItsFrameAndControls) {
  const QString openers[] = {"", "按钮_胆码计算", "按钮_倍投", "按钮_开奖视频"};
  const std::vector<ExpectedWindow> windows = ExpectedWindows();
  for (size_t w = 0; w < windows.size(); ++w) {
    const ExpectedWindow& expected = windows[w];
    SCOPED_TRACE(expected.name.toStdString());
    QWidget* window = w == 0 ? predictor_.get() : Open(openers[w], expected.name);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), expected.title);
    EXPECT_EQ(window->size(), expected.client);
    EXPECT_EQ(window->minimumSize() == window->maximumSize(), expected.fixed);
    EXPECT_EQ(window->parentWidget(), nullptr);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ((flags & Qt::WindowType_Mask) == Qt::Window, expected.taskbar_button);
    if (w > 0) {
      EXPECT_EQ(window->pos(), QPoint(50, 50));
    }
    for (const ExpectedControl& row : expected.controls) {
      SCOPED_TRACE(row.name.toStdString());
      QWidget* control = window->findChild<QWidget*>(row.name);
      ASSERT_NE(control, nullptr);
      EXPECT_STREQ(control->metaObject()->className(), row.class_name);
      EXPECT_EQ(control->parentWidget()->objectName(),
                row.parent.isEmpty() ? expected.name : row.parent);
      EXPECT_EQ(control->geometry(), row.geometry);
      if (!row.text.isEmpty()) {
        EXPECT_TRUE(ControlText(control).startsWith(row.text))
            << ControlText(control).toStdString();
      }
    }
  }
}

TEST_F(PredictorWindowsTest, ControlsHaveTheirFontsAndColours) {
  QWidget* calc = Open("按钮_胆码计算", "BankerCalcWindow");
  auto* input = calc->findChild<QLineEdit*>("编辑框_后三");
  auto* output = calc->findChild<QLineEdit*>("编辑框_胆码");
  EXPECT_EQ(input->alignment(), Qt::AlignCenter);
  EXPECT_EQ(output->alignment(), Qt::AlignCenter);
  EXPECT_EQ(input->font().pointSizeF(), 16.0);
  EXPECT_EQ(output->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(output->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(calc->findChild<QLabel*>("标签_说明")->font().pointSizeF(), 9.0);
  QWidget* plan = Open("按钮_倍投", "BettingPlanWindow");
  auto* notice = plan->findChild<QPlainTextEdit*>("编辑框1");
  EXPECT_EQ(notice->font().pixelSize(), 20);
  EXPECT_EQ(notice->palette().color(QPalette::Text), QColor(0, 136, 255));
  auto* usage = predictor_->findChild<QPlainTextEdit*>("编辑框2");
  EXPECT_EQ(usage->font().pointSizeF(), 10.5);
  EXPECT_EQ(usage->palette().color(QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(predictor_->findChild<QTextEdit*>("编辑框1")->palette().color(QPalette::Text),
            QColor(Qt::red));
}

TEST_F(PredictorWindowsTest, CalculatorWritesTheBankerNumber) {
  QWidget* calc = Open("按钮_胆码计算", "BankerCalcWindow");
  auto* input = calc->findChild<QLineEdit*>("编辑框_后三");
  auto* output = calc->findChild<QLineEdit*>("编辑框_胆码");
  for (const BankerNumberCase& c : BankerNumberCases()) {
    input->setText(c.input);
    output->setText("edited by hand");
    Click(calc, "按钮_生成胆码");
    EXPECT_EQ(output->text(), c.output) << c.input;
    EXPECT_EQ(input->text(), c.input);
  }
}

TEST_F(PredictorWindowsTest, EachWindowOpensOnceAndComesBack) {
  const struct {
    const char* button;
    const char* window;
  } cases[] = {{"按钮_胆码计算", "BankerCalcWindow"},
               {"按钮_倍投", "BettingPlanWindow"},
               {"按钮_开奖视频", "DrawVideoWindow"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget* first = Open(c.button, c.window);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Open(c.button, c.window), first);
    first->showMinimized();
    EXPECT_EQ(Open(c.button, c.window), first);
    EXPECT_FALSE(first->isMinimized()) << "a second click restores the minimised window";
  }
}

TEST_F(PredictorWindowsTest, EscClosesTheSecondaryWindowsOnly) {
  for (const auto& [button, window] :
       {std::pair{"按钮_胆码计算", "BankerCalcWindow"}, std::pair{"按钮_倍投", "BettingPlanWindow"},
        std::pair{"按钮_开奖视频", "DrawVideoWindow"}}) {
    QWidget* opened = Open(button, window);
    QTest::keyClick(opened, Qt::Key_Escape);
    EXPECT_FALSE(opened->isVisible()) << window;
  }
  QTest::keyClick(predictor_.get(), Qt::Key_Escape);
  EXPECT_TRUE(predictor_->isVisible());
}

TEST_F(PredictorWindowsTest, DraggingTheBackgroundMovesTheWindowButNotAControl) {
  QWidget* calc = Open("按钮_胆码计算", "BankerCalcWindow");
  const QPoint start = calc->pos();
  const QPoint background(300, 60);  // between the labels
  ASSERT_EQ(calc->childAt(background), nullptr);
  QTest::mousePress(calc, Qt::LeftButton, {}, background);
  QMouseEvent move(QEvent::MouseMove, QPointF(background + QPoint(30, 20)),
                   QPointF(calc->mapToGlobal(background + QPoint(30, 20))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(calc, &move);
  QTest::mouseRelease(calc, Qt::LeftButton, {}, background + QPoint(30, 20));
  EXPECT_EQ(calc->pos(), start + QPoint(30, 20));

  auto* button = calc->findChild<QPushButton*>("按钮_生成胆码");
  const QPoint before = calc->pos();
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(calc->pos(), before);
}

TEST_F(PredictorWindowsTest, DrawVideoButtonsSwitchTheLotteryAndReopeningStartsOver) {
  const QString host = QString::fromLatin1(kDrawVideoHost);
  QWidget* video = Open("按钮_开奖视频", "DrawVideoWindow");
  auto* view = video->findChild<WebViewSlot*>("超文本浏览框_开奖视频");
  EXPECT_EQ(view->Url().toString(), "http://" + host + "/cqssc/");
  const struct {
    const char* button;
    const char* path;
  } cases[] = {{"按钮_jxssc", "/jxssc/"},   {"按钮_cqsyxw", "/cq11x5/"},
               {"按钮_jxsyxw", "/jx11x5/"}, {"按钮_jxsyxw", "/jx11x5/"},
               {"按钮_cqssc", "/cqssc/"},   {"按钮_jxsyxw", "/jx11x5/"}};
  for (const auto& c : cases) {
    Click(video, c.button);
    EXPECT_EQ(view->Url().toString(), "http://" + host + c.path);
  }
  video->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QWidget* reopened = Open("按钮_开奖视频", "DrawVideoWindow");
  EXPECT_EQ(reopened->findChild<WebViewSlot*>("超文本浏览框_开奖视频")->Url().toString(),
            "http://" + host + "/cqssc/");
  reopened->resize(900, 400);
  EXPECT_EQ(reopened->findChild<QWidget*>("外形框1")->geometry(), QRect(0, 0, 469, 181));
  const QString link = reopened->findChild<QLabel*>("超级链接框1")->text();
  EXPECT_EQ(link, "<a href=\"http://" + kHost + "/sscsoft/gotoqorat.html\">点击注册Tovan账号</a>");
  EXPECT_TRUE(reopened->findChild<QLabel*>("超级链接框1")->openExternalLinks());
}

// Without a browser (no module here) each view shows its link, always where the view can be seen:
// the draw video's view lies mostly outside its clipping frame.
TEST_F(PredictorWindowsTest, TheLinkInPlaceOfAViewLiesInItsVisiblePart) {
  const struct {
    const char* button;
    const char* window;
    const char* view;
    QRect visible;  // in the view's coordinates
  } cases[] = {
      {nullptr, "PredictorWindow", "超文本浏览框1", {0, 0, 386, 185}},
      {"按钮_倍投", "BettingPlanWindow", "超文本浏览框1", {0, 0, 645, 65}},
      {"按钮_开奖视频", "DrawVideoWindow", "超文本浏览框_开奖视频", {252, 220, 469, 181}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget* window = c.button == nullptr ? predictor_.get() : Open(c.button, c.window);
    auto* view = window->findChild<WebViewSlot*>(c.view);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->LinkGeometry().isEmpty(); }, 2000));
    EXPECT_FALSE(view->HasBrowser());
    EXPECT_EQ(view->LinkGeometry(), c.visible);
    auto* link = view->findChild<QLabel*>();
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->text().contains(view->Url().toString(QUrl::FullyEncoded)));
  }
}

TEST_F(PredictorWindowsTest, AFailedPageGivesWayToTheLinkOfTheCurrentAddress) {
  QWidget* video = Open("按钮_开奖视频", "DrawVideoWindow");
  auto* view = video->findChild<WebViewSlot*>("超文本浏览框_开奖视频");
  Click(video, "按钮_jxssc");
  QMetaObject::invokeMethod(view, "PageFailed");
  EXPECT_EQ(view->LinkGeometry(), QRect(252, 220, 469, 181));
  EXPECT_TRUE(view->findChild<QLabel*>()->text().contains("/jxssc/"));
}

TEST_F(PredictorWindowsTest, TabFollowsReadingOrderAndEnterComputes) {
  const struct {
    const char* button;
    const char* window;
    QStringList order;
  } cases[] = {
      {"按钮_胆码计算", "BankerCalcWindow", {"编辑框_后三", "编辑框_胆码", "按钮_生成胆码"}},
      {"按钮_开奖视频",
       "DrawVideoWindow",
       {"按钮_cqssc", "按钮_jxssc", "按钮_cqsyxw", "按钮_jxsyxw"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget* window = Open(c.button, c.window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->findChild<QWidget*>(c.order.front())->setFocus();
    QStringList seen = {QApplication::focusWidget()->objectName()};
    while (seen.size() < c.order.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(seen, c.order);
  }
  QWidget* calc = Open("按钮_胆码计算", "BankerCalcWindow");
  auto* input = calc->findChild<QLineEdit*>("编辑框_后三");
  input->setFocus();
  QTest::keyClicks(input, "123");
  QTest::keyClick(input, Qt::Key_Return);
  EXPECT_EQ(calc->findChild<QLineEdit*>("编辑框_胆码")->text(), "16359");
}

TEST_F(PredictorWindowsTest, AdvertisementsPointAtTheirPages) {
  EXPECT_EQ(predictor_->findChild<WebViewSlot*>("超文本浏览框1")->Url().toString(),
            "http://" + kHost + "/sscsoft/soft-386-185.html");
  QWidget* plan = Open("按钮_倍投", "BettingPlanWindow");
  EXPECT_EQ(plan->findChild<WebViewSlot*>("超文本浏览框1")->Url().toString(),
            "http://" + kHost + "/sscsoft/soft-645-65.html");
}

TEST_F(PredictorWindowsTest, BettingPlanShowsBothPicturesFromTheTopLeft) {
  QWidget* plan = Open("按钮_倍投", "BettingPlanWindow");
  for (const char* name : {"图片框1", "图片框2"}) {
    auto* picture = plan->findChild<QLabel*>(name);
    EXPECT_EQ(picture->pixmap().size(), QSize(650, 99)) << name;
    EXPECT_EQ(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
  }
}

// Runs the application's own event loop, which ends when the last window closes.
TEST_F(PredictorWindowsTest, TheProgramEndsWithItsLastWindowWhicheverItIs) {
  QWidget* calc = Open("按钮_胆码计算", "BankerCalcWindow");
  bool running_after_predictor_closed = false;
  QTimer::singleShot(0, qApp, [&] { predictor_->close(); });
  QTimer::singleShot(100, qApp, [&] {
    running_after_predictor_closed = true;
    calc->close();
  });
  QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0) << "ended by the watchdog, not by the last window";
  EXPECT_TRUE(running_after_predictor_closed);
}

}  // namespace
}  // namespace lirex
