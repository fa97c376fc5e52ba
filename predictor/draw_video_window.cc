#include "predictor/draw_video_window.h"

#include <QPushButton>
#include <array>

#include "common/control_table.h"
#include "common/site_hosts.h"
#include "common/web_view_slot.h"

namespace lirex {
namespace {

constexpr WindowFrame kFrame = {{626, 181}, false, true, true};
constexpr int kNormalTextZoom = 2;

struct Lottery {
  const char* button;
  const char* path;
};

constexpr std::array<Lottery, 4> kLotteries = {{
    {"按钮_cqssc", "/cqssc/"},
    {"按钮_jxssc", "/jxssc/"},
    {"按钮_cqsyxw", "/cq11x5/"},
    {"按钮_jxsyxw", "/jx11x5/"},
}};

// The page is laid out larger than its frame and shifted, so that only the video shows.
const std::vector<ControlRow>& Layout() {
  static const std::vector<ControlRow> rows = {
      {"外形框1", ControlKind::kFrame, "", {0, 0, 469, 181}, ""},
      {"超文本浏览框_开奖视频", ControlKind::kWebView, "外形框1", {-252, -220, 741, 418}, ""},
      {"按钮_cqssc", ControlKind::kPushButton, "", {480, 4, 136, 28}, "重庆时时彩"},
      {"按钮_jxssc", ControlKind::kPushButton, "", {480, 40, 136, 28}, "江西时时彩"},
      {"按钮_cqsyxw", ControlKind::kPushButton, "", {480, 76, 136, 28}, "重庆十一选五"},
      {"按钮_jxsyxw", ControlKind::kPushButton, "", {480, 112, 136, 28}, "江西十一选五"},
      {"超级链接框1", ControlKind::kHyperlink, "", {480, 150, 136, 21}, "点击注册Tovan账号"},
  };
  return rows;
}

}  // namespace

QUrl DrawVideoUrl(const char* path) {
  return QUrl(QStringLiteral("http://") + QString::fromLatin1(kDrawVideoHost) +
              QString::fromLatin1(path));
}

DrawVideoWindow::DrawVideoWindow()
    : DaloWindow(QStringLiteral("DrawVideoWindow"),
                 QStringLiteral("时时彩开奖视频_欢迎访问Tovan网:"), kFrame) {
  move(kSecondaryWindowPlace);
  const Controls controls =
      BuildControls(this, Layout(), [](const ControlRow& row, QWidget* parent) -> QWidget* {
        if (row.kind != ControlKind::kWebView) return nullptr;
        return new WebViewSlot(DrawVideoUrl(kLotteries[0].path), kNormalTextZoom, parent);
      });
  video_ = static_cast<WebViewSlot*>(controls.at("超文本浏览框_开奖视频"));
  for (const Lottery& lottery : kLotteries) {
    connect(static_cast<QPushButton*>(controls.at(lottery.button)), &QPushButton::clicked, this,
            [this, path = lottery.path] { ShowDrawVideo(path); });
  }
  SetHyperlinkAddress(controls.at("超级链接框1"), TovanUrl("/sscsoft/gotoqorat.html"));
}

void DrawVideoWindow::ShowDrawVideo(const char* path) { video_->Navigate(DrawVideoUrl(path)); }

}  // namespace lirex
