#include "shrinker/player_files_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <variant>

#include "common/gbk.h"
#include "common/platform.h"
#include "shrinker/base_file.h"
#include "shrinker/conditions_file.h"
#include "shrinker/draw_history.h"
#include "shrinker/generation.h"
#include "shrinker/show_message.h"

namespace lirex {
namespace {

constexpr size_t kLargestConditionsFile = size_t{1} << 20;
constexpr size_t kLargestBaseFile = size_t{16} << 20;
constexpr size_t kLargestHistoryFile = size_t{512} << 20;

void Tell(const std::string& utf8) { ShowMessage(Gbk(utf8)); }

}  // namespace

PlayerFilesMenu::PlayerFilesMenu(QWidget* window, QPlainTextEdit* base_box, QPushButton* generate,
                                 const std::array<QCheckBox*, kGenerationBoxCount>& boxes)
    : QObject(window), window_(window), base_box_(base_box), generate_(generate), boxes_(boxes) {
  const auto action = [this](const char* text, void (PlayerFilesMenu::*run)(),
                             QKeySequence shortcut = {}) {
    auto* made = new QAction(QString::fromUtf8(text), window_);
    made->setShortcut(shortcut);
    made->setShortcutContext(Qt::WindowShortcut);
    connect(made, &QAction::triggered, this, run);
    window_->addAction(made);
    return made;
  };
  save_ = action("保存条件…", &PlayerFilesMenu::SaveConditions, QKeySequence::Save);
  load_ = action("载入条件…", &PlayerFilesMenu::LoadConditions, QKeySequence::Open);
  clear_ = action("清除全部勾选", &PlayerFilesMenu::ClearTicks);
  export_ = action("导出大底…", &PlayerFilesMenu::ExportBase);
  import_ = action("导入大底…", &PlayerFilesMenu::ImportBase);
  back_test_ = action("回测开奖历史…", &PlayerFilesMenu::BackTestHistory);

  // A right-click anywhere in a group of boxes, a box included, offers the conditions.
  for (QGroupBox* group : window_->findChildren<QGroupBox*>()) {
    if (group->findChildren<QCheckBox*>().isEmpty()) continue;
    group->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(group, &QWidget::customContextMenuRequested, this, [this, group](QPoint at) {
      QMenu menu;
      menu.addActions({save_, load_, clear_});
      menu.exec(group->mapToGlobal(at));
    });
  }
  // The base box keeps Qt's own edit actions, and the base's files come after them.
  base_box_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(base_box_, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    QMenu* menu = base_box_->createStandardContextMenu(at);
    menu->addSeparator();
    menu->addActions({export_, import_, back_test_});
    menu->exec(base_box_->viewport()->mapToGlobal(at));
    delete menu;
  });

  for (QCheckBox* box : boxes_) {
    connect(box, &QCheckBox::toggled, this, &PlayerFilesMenu::UpdatePreview);
  }
  UpdatePreview();
}

TickSet PlayerFilesMenu::Ticks() const {
  TickSet ticks;
  for (size_t i = 0; i < boxes_.size(); ++i) ticks[i] = boxes_[i]->isChecked();
  return ticks;
}

void PlayerFilesMenu::UpdatePreview() {
  // The run takes microseconds, so the count is worked out afresh at every tick.
  BaseBox scratch;
  GenerateBase(Ticks(), scratch);
  generate_->setToolTip(
      QStringLiteral("按当前勾选将生成%1注").arg(static_cast<qsizetype>(scratch.text.size() / 4)));
}

QString PlayerFilesMenu::ChooseFile(bool save, const QString& title, const QString& filter) const {
  QFileDialog dialog(window_, title, QDir::homePath(), filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

std::optional<std::string> PlayerFilesMenu::ReadChosenFile(const QString& title,
                                                           const QString& filter,
                                                           size_t max_bytes) const {
  const QString path = ChooseFile(false, title, filter);
  if (path.isEmpty()) return std::nullopt;
  std::optional<std::string> bytes =
      ReadRegularFile(QFile::encodeName(path).toStdString(), max_bytes);
  if (!bytes) Tell("无法读取文件：" + path.toStdString());
  return bytes;
}

void PlayerFilesMenu::WriteChosenFile(const QString& title, const QString& filter,
                                      const std::string& bytes) const {
  const QString path = ChooseFile(true, title, filter);
  if (!path.isEmpty() && !WriteWholeFile(QFile::encodeName(path).toStdString(), bytes)) {
    Tell("无法写入文件：" + path.toStdString());
  }
}

void PlayerFilesMenu::SaveConditions() {
  WriteChosenFile(QStringLiteral("保存条件"), QStringLiteral("缩水条件 (*.txt);;所有文件 (*)"),
                  WriteConditions(Ticks()));
}

void PlayerFilesMenu::LoadConditions() {
  const std::optional<std::string> text =
      ReadChosenFile(QStringLiteral("载入条件"), QStringLiteral("缩水条件 (*.txt);;所有文件 (*)"),
                     kLargestConditionsFile);
  if (!text) return;
  const auto read = ReadConditions(*text);
  if (const auto* error = std::get_if<FileError>(&read)) {
    Tell("载入条件失败，没有改动任何勾选：\n" + error->message);
    return;
  }
  const TickSet& ticks = std::get<TickSet>(read);
  for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(ticks[i]);
}

void PlayerFilesMenu::ClearTicks() {
  for (QCheckBox* box : boxes_) box->setChecked(false);
}

void PlayerFilesMenu::ExportBase() {
  WriteChosenFile(QStringLiteral("导出大底"), QStringLiteral("大底 (*.txt);;所有文件 (*)"),
                  WriteBaseFile(ToGbk(base_box_->toPlainText())));
}

void PlayerFilesMenu::ImportBase() {
  const std::optional<std::string> bytes =
      ReadChosenFile(QStringLiteral("导入大底"), QStringLiteral("大底 (*.txt *.csv);;所有文件 (*)"),
                     kLargestBaseFile);
  if (!bytes) return;
  const auto read = ReadBaseFile(*bytes);
  if (const auto* error = std::get_if<FileError>(&read)) {
    Tell("导入大底失败，大底没有改动：\n" + error->message);
    return;
  }
  // The count label follows the box.
  base_box_->setPlainText(QString::fromStdString(std::get<std::string>(read)));
}

void PlayerFilesMenu::BackTestHistory() {
  const std::string base = ToGbk(base_box_->toPlainText());
  if (base.empty()) {
    ShowMessage(Gbk("没有大底！"));
    return;
  }
  const std::optional<std::string> history =
      ReadChosenFile(QStringLiteral("回测开奖历史"),
                     QStringLiteral("开奖历史 (*.txt *.csv);;所有文件 (*)"), kLargestHistoryFile);
  if (!history) return;
  Tell(BackTestMessage(BackTest(*history, NumbersInBase(base))));
}

}  // namespace lirex
