// The fixed-pixel windows at larger desktop fonts: every control keeps its own face, so every
// caption still fits its rectangle.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <memory>

#include "predictor/banker_calc_window.h"
#include "predictor/betting_plan_window.h"
#include "predictor/draw_video_window.h"
#include "predictor/predictor_window.h"
#include "shrinker/shrinker_window.h"

namespace lirex {
namespace {

// The width a control's caption needs: a check box's indicator and gap come before its text.
int NeededWidth(const QWidget* control, const QString& caption) {
  int widest = 0;
  for (const QString& line : caption.split(QLatin1Char('\n'))) {
    widest = std::max(widest, control->fontMetrics().horizontalAdvance(line.trimmed()));
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    widest += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
              box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
  }
  return widest;
}

QString Caption(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    return label->textFormat() == Qt::RichText || label->wordWrap() ? QString() : label->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return {};
}

class DesktopFontTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    saved_ = QApplication::font();
    QFont desktop = saved_;
    desktop.setPointSize(GetParam());
    QApplication::setFont(desktop);
  }
  void TearDown() override { QApplication::setFont(saved_); }

  QFont saved_;
};

TEST_P(DesktopFontTest, EveryCaptionFitsItsRectangle) {
  const std::vector<std::function<std::unique_ptr<QWidget>()>> windows = {
      [] { return std::make_unique<ShrinkerWindow>(); },
      [] { return std::make_unique<PredictorWindow>(); },
      [] { return std::make_unique<BankerCalcWindow>(); },
      [] { return std::make_unique<BettingPlanWindow>(); },
      [] { return std::make_unique<DrawVideoWindow>(); },
  };
  int checked = 0;
  for (const auto& make : windows) {
    const std::unique_ptr<QWidget> window = make();
    SCOPED_TRACE(window->objectName().toStdString());
    for (const QWidget* control : window->findChildren<QWidget*>()) {
      if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) continue;
      SCOPED_TRACE(control->objectName().toStdString());
      EXPECT_TRUE(control->testAttribute(Qt::WA_SetFont)) << "the control follows the desktop font";
      const QString caption = Caption(control);
      if (caption.isEmpty()) continue;
      EXPECT_LE(NeededWidth(control, caption), control->width()) << caption.toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 150);
}

INSTANTIATE_TEST_SUITE_P(LargerDesktopFonts, DesktopFontTest, ::testing::Values(11, 14),
                         [](const auto& info) { return std::to_string(info.param) + "pt"; });

}  // namespace
}  // namespace lirex
