#include "shrinker/shrinker_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "common/fonts.h"
#include "common/gbk.h"
#include "common/platform.h"
#include "common/site_hosts.h"
#include "common/skin_binding.h"
#include "common/tab_order.h"
#include "common/web_view_slot.h"
#include "shrinker/bounded_text_edit.h"
#include "shrinker/generation.h"
#include "shrinker/player_files_menu.h"
#include "shrinker/show_message.h"
#include "shrinker/shrinker_layout.h"
#include "shrinker/winning_check.h"

namespace lirex {
namespace {

constexpr int kAdvertisementTextZoom = 2;

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

// Where the base box's column starts.
constexpr int kRightColumnLeft = 412;

void DressBaseBox(QPlainTextEdit* box) {
  box->setFont(SongTi(9));
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setFrameStyle(QFrame::Box | QFrame::Plain);
  // A base holds no tab characters: Tab moves on, as in every other box.
  box->setTabChangesFocus(true);
  HideInactiveSelection(box);
}

void DressQueryBox(QLineEdit* box) {
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
}

// Bold for the numbers of one or two digits (banker, position, span and sum boxes).
void DressCheckBox(QCheckBox* box) {
  const QString caption = box->text();
  const bool is_number = caption.size() <= 2 && std::all_of(caption.begin(), caption.end(),
                                                            [](QChar c) { return c.isDigit(); });
  box->setFont(SongTi(9, is_number));
}

}  // namespace

ShrinkerWindow::ShrinkerWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ShrinkerWindow"));
  setWindowTitle(WindowTitle());
  setFixedSize(kShrinkerClientWidth, kShrinkerClientHeight);
  // The digit boxes are 25 pixels wide: the caption needs the room of the usual gap. Each group's
  // frame starts at the middle of its caption, above the first row of boxes, skinned or not.
  setStyleSheet(
      QStringLiteral("QCheckBox { spacing: 2px; color: black; background: white; }"
                     "QGroupBox { border: 1px solid palette(mid); margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
  BuildControls();
  BindButtons();
  // The conditions on the left, then the base and its buttons on the right.
  SetReadingTabOrder(this, kRightColumnLeft);
  new PlayerFilesMenu(this, base_box_,
                      findChild<QPushButton*>(QStringLiteral("超级按钮_三星_生成大底")),
                      generation_boxes_);
}

void ShrinkerWindow::BuildControls() {
  const Controls controls = lirex::BuildControls(
      this, ShrinkerLayout(), [](const ControlRow& row, QWidget* parent) -> QWidget* {
        if (row.name == "编辑框_三星_大底")
          return new BoundedTextEdit(kRichEditDefaultLimit, parent);
        if (row.kind != ControlKind::kWebView) return nullptr;
        return new WebViewSlot(AdvertisementUrl(), kAdvertisementTextZoom, parent);
      });
  for (const auto& [name, control] : controls) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
      DressCheckBox(box);
      generation_boxes_[*FindGenerationBox(name)] = box;
    }
  }
  base_box_ = static_cast<QPlainTextEdit*>(controls.at("编辑框_三星_大底"));
  query_box_ = static_cast<QLineEdit*>(controls.at("编辑框_三星_查询奖号"));
  count_label_ = static_cast<QLabel*>(controls.at("标签_三星_统计"));
  DressBaseBox(base_box_);
  DressQueryBox(query_box_);
}

void ShrinkerWindow::BindButtons() {
  const auto bind = [this](const char* name, void (ShrinkerWindow::*handler)()) {
    connect(findChild<QPushButton*>(QString::fromUtf8(name)), &QPushButton::clicked, this, handler);
  };
  bind("超级按钮_三星_清空大底", &ShrinkerWindow::ClearBaseClicked);
  bind("超级按钮_三星_生成大底", &ShrinkerWindow::GenerateBaseClicked);
  bind("超级按钮_三星_复制大底", &ShrinkerWindow::CopyBaseClicked);
  bind("超级按钮_三星_查询中奖", &ShrinkerWindow::CheckWinningNumberClicked);
  connect(query_box_, &QLineEdit::returnPressed, this, &ShrinkerWindow::CheckWinningNumberClicked);
  // Editing by hand counts the base as an operation does.
  connect(base_box_, &QPlainTextEdit::textChanged, this, &ShrinkerWindow::BaseEdited);
}

void ShrinkerWindow::BaseEdited() {
  BaseBox box = ReadBase();
  RefreshCount(box);
  count_label_->setText(FromGbk(box.count_label));
}

BaseBox ShrinkerWindow::ReadBase() const {
  return {ToGbk(base_box_->toPlainText()), ToGbk(count_label_->text())};
}

void ShrinkerWindow::WriteBase(const BaseBox& box) {
  {
    // The operation has counted already; the hand-edit recount would count again.
    const QSignalBlocker quiet(base_box_);
    base_box_->setPlainText(FromGbk(box.text));
  }
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
  const QString shown = base_box_->toPlainText();
  const CopyResult copy = CopyBase(ToGbk(shown));
  // The clipboard takes the box's own text: its GBK form cannot hold every character it shows.
  QGuiApplication::clipboard()->setText(shown);
  ShowMessage(copy.message);
}

void ShrinkerWindow::CheckWinningNumberClicked() {
  ShowMessage(CheckWinningNumber(ToGbk(base_box_->toPlainText()), ToGbk(query_box_->text())));
}

void AttachSkin() { SkinH_AttachEx(FileBesideProgram("skinh.she"), ""); }

}  // namespace lirex
