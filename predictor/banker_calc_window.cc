#include "predictor/banker_calc_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "common/control_table.h"
#include "common/fonts.h"
#include "common/gbk.h"
#include "predictor/banker_number.h"

namespace lirex {
namespace {

constexpr WindowFrame kFrame = {{457, 165}, true, false, true};

const std::vector<ControlRow>& Layout() {
  static const std::vector<ControlRow> rows = {
      {"编辑框_后三", ControlKind::kLineEdit, "", {7, 8, 176, 48}, ""},
      {"编辑框_胆码", ControlKind::kLineEdit, "", {7, 64, 176, 48}, "胆码"},
      {"按钮_生成胆码",
       ControlKind::kPushButton,
       "",
       {7, 120, 176, 45},
       "~嘛哩嘛哩哄~\n--生成胆码--"},
      {"标签_说明",
       ControlKind::kLabel,
       "",
       {192, 27, 264, 11},
       "← 请在左边的框框中填入上期开奖号码的后三位"},
      {"标签1",
       ControlKind::kLabel,
       "",
       {192, 80, 256, 15},
       "← 请取前两位不同数字作为未来三期的后三胆码"},
      {"标签2",
       ControlKind::kLabel,
       "",
       {192, 121, 256, 40},
       "注意：取两位前不同的意思是：例如生成的胆码为55312，则取53为胆码，而不是只有5！"},
  };
  return rows;
}

void DressNumberBox(QLineEdit* box, const QColor& text, const QColor& background) {
  box->setAlignment(Qt::AlignCenter);
  box->setFont(YaHei(16));
  box->setMaxLength(std::numeric_limits<int>::max());
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Base, background);
  box->setPalette(palette);
  // A skin's style sheet paints edit boxes with its own ground; the box's colours are its own.
  box->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background-color: %2; }")
                         .arg(text.name(), background.name()));
}

}  // namespace

BankerCalcWindow::BankerCalcWindow()
    : DaloWindow(QStringLiteral("BankerCalcWindow"),
                 QStringLiteral("后三胆码计算_欢迎访问Tovan网:"), kFrame) {
  move(kSecondaryWindowPlace);
  const Controls controls = BuildControls(this, Layout());
  input_ = static_cast<QLineEdit*>(controls.at("编辑框_后三"));
  output_ = static_cast<QLineEdit*>(controls.at("编辑框_胆码"));
  DressNumberBox(input_, Qt::black, Qt::white);
  DressNumberBox(output_, Qt::red, Qt::black);
  for (const char* name : {"标签_说明", "标签1"}) controls.at(name)->setFont(YaHei(9));
  // The note wraps to the two lines its label holds; a contact line would not fit below it.
  static_cast<QLabel*>(controls.at("标签2"))->setWordWrap(true);
  connect(static_cast<QPushButton*>(controls.at("按钮_生成胆码")), &QPushButton::clicked, this,
          &BankerCalcWindow::GenerateClicked);
  connect(input_, &QLineEdit::returnPressed, this, &BankerCalcWindow::GenerateClicked);
}

void BankerCalcWindow::GenerateClicked() {
  output_->setText(FromGbk(ComputeBankerNumber(ToGbk(input_->text()))));
}

}  // namespace lirex
