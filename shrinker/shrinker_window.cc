#include "shrinker/shrinker_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <map>

#include "common/fonts.h"
#include "common/gbk.h"
#include "common/platform.h"
#include "common/site_hosts.h"
#include "common/skin_binding.h"
#include "common/web_view_slot.h"
#include "shrinker/generation.h"
#include "shrinker/show_message.h"
#include "shrinker/shrinker_layout.h"
#include "shrinker/winning_check.h"

namespace lirex {
namespace {

constexpr int kAdvertisementTextZoom = 2;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QString WindowTitle() {
  return QStringLiteral("Lirex三星缩水器(Lirex软件 %1)").arg(QLatin1String(kMakerHost));
}

QUrl AdvertisementUrl() {
  return QUrl(QStringLiteral("http://%1/plusgg.html").arg(QLatin1String(kMakerHost)));
}

// The selection shows only while the box has the focus.
void HideInactiveSelection(QWidget* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
  box->setPalette(palette);
}

QPlainTextEdit* MakeBaseBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setFont(SongTi(9));
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setFrameStyle(QFrame::Box | QFrame::Plain);
  HideInactiveSelection(box);
  return box;
}

QLineEdit* MakeQueryBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(std::numeric_limits<int>::max());
  QFont font = box->font();
  font.setBold(true);
  font.setPixelSize(19);
  box->setFont(font);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, QColor(255, 0, 0));
  palette.setColor(QPalette::Base, Qt::white);
  box->setPalette(palette);
  HideInactiveSelection(box);
  return box;
}

QCheckBox* MakeCheckBox(const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  const bool is_number =
      !caption.isEmpty() && caption.size() <= 2 &&
      std::all_of(caption.begin(), caption.end(), [](QChar c) { return c.isDigit(); });
  box->setFont(SongTi(9, is_number));
  return box;
}

}  // namespace

ShrinkerWindow::ShrinkerWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ShrinkerWindow"));
  setWindowTitle(WindowTitle());
  setFixedSize(kShrinkerClientWidth, kShrinkerClientHeight);
  // The digit boxes are 25 pixels wide: the caption needs the room of the usual gap.
  setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; color: black; background: white; }"));
  BuildControls();
  BindButtons();
}

void ShrinkerWindow::CenterOnScreen() {
  const QRect screen = this->screen()->geometry();
  move(screen.x() + (screen.width() - kShrinkerOuterWidth) / 2,
       screen.y() + (screen.height() - kShrinkerOuterHeight) / 2);
}

void ShrinkerWindow::BuildControls() {
  std::map<std::string, QWidget*> containers = {{"", this}};
  for (const ControlRow& row : ShrinkerLayout()) {
    QWidget* parent = containers.at(row.parent);
    const QString caption = Utf8(row.caption);
    QWidget* control = nullptr;
    switch (row.kind) {
      case ControlKind::kWebView:
        control = new WebViewSlot(AdvertisementUrl(), kAdvertisementTextZoom, parent);
        break;
      case ControlKind::kLabel:
        control = new QLabel(caption, parent);
        break;
      case ControlKind::kFrame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        control = frame;
        break;
      }
      case ControlKind::kPushButton:
        control = new QPushButton(caption, parent);
        break;
      case ControlKind::kGroupBox:
        control = new QGroupBox(caption, parent);
        break;
      case ControlKind::kCheckBox:
        control = MakeCheckBox(caption, parent);
        generation_boxes_[*FindGenerationBox(row.name)] = static_cast<QCheckBox*>(control);
        break;
      case ControlKind::kBaseBox:
        control = base_box_ = MakeBaseBox(parent);
        break;
      case ControlKind::kQueryBox:
        control = query_box_ = MakeQueryBox(parent);
        break;
    }
    control->setObjectName(Utf8(row.name));
    control->setGeometry(row.geometry);
    containers[row.name] = control;
  }
  count_label_ = findChild<QLabel*>(QStringLiteral("标签_三星_统计"));
}

void ShrinkerWindow::BindButtons() {
  const auto bind = [this](const char* name, void (ShrinkerWindow::*handler)()) {
    connect(findChild<QPushButton*>(QString::fromUtf8(name)), &QPushButton::clicked, this, handler);
  };
  bind("超级按钮_三星_清空大底", &ShrinkerWindow::ClearBaseClicked);
  bind("超级按钮_三星_生成大底", &ShrinkerWindow::GenerateBaseClicked);
  bind("超级按钮_三星_复制大底", &ShrinkerWindow::CopyBaseClicked);
  bind("超级按钮_三星_查询中奖", &ShrinkerWindow::CheckWinningNumberClicked);
}

BaseBox ShrinkerWindow::ReadBase() const {
  return {ToGbk(base_box_->toPlainText()), ToGbk(count_label_->text())};
}

void ShrinkerWindow::WriteBase(const BaseBox& box) {
  base_box_->setPlainText(FromGbk(box.text));
  count_label_->setText(FromGbk(box.count_label));
}

TickSet ShrinkerWindow::ReadTicks() const {
  TickSet ticks;
  for (size_t i = 0; i < generation_boxes_.size(); ++i)
    ticks[i] = generation_boxes_[i]->isChecked();
  return ticks;
}

void ShrinkerWindow::ClearBaseClicked() {
  BaseBox box = ReadBase();
  ClearBase(box);
  WriteBase(box);
}

void ShrinkerWindow::GenerateBaseClicked() {
  BaseBox box = ReadBase();
  GenerateBase(ReadTicks(), box);
  WriteBase(box);
}

void ShrinkerWindow::CopyBaseClicked() {
  const CopyResult copy = CopyBase(ToGbk(base_box_->toPlainText()));
  QGuiApplication::clipboard()->setText(FromGbk(copy.clipboard_text));
  ShowMessage(copy.message);
}

void ShrinkerWindow::CheckWinningNumberClicked() {
  ShowMessage(CheckWinningNumber(ToGbk(base_box_->toPlainText()), ToGbk(query_box_->text())));
}

void AttachSkin() { SkinH_AttachEx(FileBesideProgram("skinh.she"), ""); }

}  // namespace lirex
