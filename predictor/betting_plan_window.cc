#include "predictor/betting_plan_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>

#include "common/control_table.h"
#include "common/web_view_slot.h"
#include "predictor/carried_data.h"
#include "predictor/jpeg_picture.h"

namespace lirex {
namespace {

constexpr WindowFrame kFrame = {{648, 339}, true, false, true};
constexpr int kNormalTextZoom = 2;

const std::vector<ControlRow>& Layout() {
  static const std::vector<ControlRow> rows = {
      {"图片框1", ControlKind::kPicture, "", {-1, -1, 650, 104}, ""},
      {"图片框2", ControlKind::kPicture, "", {-1, 99, 650, 104}, ""},
      {"编辑框1", ControlKind::kMultiLineEdit, "", {0, 200, 648, 71}, ""},
      {"超文本浏览框1", ControlKind::kWebView, "", {1, 274, 645, 65}, ""},
  };
  return rows;
}

QString Notice() {
  return QStringLiteral(
             "   以上投注方案仅供参考,请结合实际情况进行倍投,想交流倍投心得或开通投注平台账户，"
             "请到 %1 联系作者。")
      .arg(TovanHost());
}

}  // namespace

BettingPlanWindow::BettingPlanWindow()
    : DaloWindow(QStringLiteral("BettingPlanWindow"),
                 QStringLiteral("后三双胆倍投方案参考_欢迎访问Tovan网:"), kFrame) {
  move(kSecondaryWindowPlace);
  const Controls controls =
      BuildControls(this, Layout(), [](const ControlRow& row, QWidget* parent) -> QWidget* {
        if (row.kind != ControlKind::kWebView) return nullptr;
        return new WebViewSlot(TovanUrl("/sscsoft/soft-645-65.html"), kNormalTextZoom, parent);
      });
  for (int plan : {1, 2}) {
    auto* picture = static_cast<QLabel*>(controls.at(plan == 1 ? "图片框1" : "图片框2"));
    picture->setPixmap(QPixmap::fromImage(DecodeJpeg(BettingPlanPicture(plan))));
  }
  auto* notice = static_cast<QPlainTextEdit*>(controls.at("编辑框1"));
  QFont font = notice->font();
  font.setPixelSize(20);
  notice->setFont(font);
  QPalette palette = notice->palette();
  palette.setColor(QPalette::Text, QColor(0, 136, 255));
  notice->setPalette(palette);
  notice->setPlainText(Notice());
}

}  // namespace lirex
