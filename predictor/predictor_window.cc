#include "predictor/predictor_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "common/control_table.h"
#include "common/fonts.h"
#include "common/platform.h"
#include "common/web_view_slot.h"

namespace lirex {
namespace {

constexpr WindowFrame kFrame = {{722, 310}, false, true, false};
constexpr int kNormalTextZoom = 2;

const std::vector<ControlRow>& Layout() {
  static const std::vector<ControlRow> rows = {
      {"按钮_胆码计算", ControlKind::kPushButton, "", {7, 6, 122, 46}, "⒈计算胆码"},
      {"按钮_缩水", ControlKind::kPushButton, "", {138, 6, 122, 46}, "⒉三星缩水"},
      {"按钮_倍投", ControlKind::kPushButton, "", {269, 6, 122, 46}, "⒊倍投方案"},
      {"按钮_开奖视频", ControlKind::kPushButton, "", {7, 64, 122, 46}, "打开开奖视频"},
      {"按钮_计算器", ControlKind::kPushButton, "", {138, 64, 122, 46}, "打开计算器"},
      {"按钮_记事本", ControlKind::kPushButton, "", {269, 64, 122, 46}, "打开记事本"},
      {"超文本浏览框1", ControlKind::kWebView, "", {7, 121, 386, 185}, ""},
      {"编辑框1",
       ControlKind::kMultiLineEdit,
       "",
       {400, 6, 317, 18},
       "本算法取后三胆码准确率高达98%+,已验证万期数据!"},
      {"编辑框2", ControlKind::kMultiLineEdit, "", {400, 33, 317, 273}, ""},
  };
  return rows;
}

QString UsageText() {
  return QStringLiteral(
             "   为了您能正确地使用本软件请仔细阅读下方使用说明:\n\n"
             "   首先打开【计算胆码】,按照上面的提示输入上期后三位,点击按钮【生成胆码】,"
             "取前两位不同的数字作为未来三期的后三胆码,这两个胆码可以直接作为后三不定位双胆三期来"
             "进行投注,也可以配合【三星缩水】来生成488注的后三大底进行三期倍投,倍投方案可以直接点击"
             "【倍投方案】,我给大家提供了两种倍投参考。\n\n"
             "   联系作者：%1")
      .arg(TovanHost());
}

// The slogan box is centred, which a plain-text box cannot do.
QWidget* MakeSlogan(const ControlRow& row, QWidget* parent) {
  auto* slogan = new QTextEdit(parent);
  slogan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  slogan->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  slogan->document()->setDocumentMargin(1);
  slogan->setPlainText(QString::fromStdString(row.caption));
  slogan->selectAll();
  slogan->setAlignment(Qt::AlignCenter);
  slogan->setTextCursor(QTextCursor(slogan->document()));
  QPalette palette = slogan->palette();
  palette.setColor(QPalette::Text, Qt::red);
  slogan->setPalette(palette);
  return slogan;
}

}  // namespace

PredictorWindow::PredictorWindow()
    : DaloWindow(QStringLiteral("PredictorWindow"), QStringLiteral("Dalo_Tovan网"), kFrame) {
  const Controls controls =
      BuildControls(this, Layout(), [](const ControlRow& row, QWidget* parent) -> QWidget* {
        if (row.kind == ControlKind::kWebView) {
          return new WebViewSlot(TovanUrl("/sscsoft/soft-386-185.html"), kNormalTextZoom, parent);
        }
        if (row.name == "编辑框1") return MakeSlogan(row, parent);
        return nullptr;
      });
  auto* usage = static_cast<QPlainTextEdit*>(controls.at("编辑框2"));
  usage->setFont(YaHei(10.5));
  QPalette palette = usage->palette();
  palette.setColor(QPalette::Text, Qt::blue);
  usage->setPalette(palette);
  usage->setPlainText(UsageText());

  const auto on_click = [&](const char* name, auto action) {
    connect(static_cast<QPushButton*>(controls.at(name)), &QPushButton::clicked, this, action);
  };
  on_click("按钮_胆码计算", [this] { LoadWindow(banker_calc_); });
  on_click("按钮_缩水", [] { RunProgram(FileBesideProgram("Vonk")); });
  on_click("按钮_倍投", [this] { LoadWindow(betting_plan_); });
  on_click("按钮_开奖视频", [this] { LoadWindow(draw_video_); });
  on_click("按钮_计算器", [] { RunProgram("calc.exe"); });
  on_click("按钮_记事本", [] { RunProgram("notepad.exe"); });
}

}  // namespace lirex
