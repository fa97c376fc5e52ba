#include "shrinker/player_files_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
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

std::optional<std::string> PlayerFilesMenu::ReadChosenFile(const QString& path,
                                                           size_t max_bytes) const {
  std::optional<std::string> bytes =
      ReadRegularFile(QFile::encodeName(path).toStdString(), max_bytes);
  if (!bytes) Tell("无法读取文件：" + path.toStdString());
  return bytes;
}

bool PlayerFilesMenu::WriteChosenFile(const QString& path, const std::string& bytes) const {
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.commit();
  if (!written)
    Tell("无法写入文件：" + path.toStdString() + "（" + file.errorString().toStdString() + "）");
  return written;
}

void PlayerFilesMenu::SaveConditions() {
  const QString path = ChooseFile(true, QStringLiteral("保存条件"),
                                  QStringLiteral("缩水条件 (*.txt);;所有文件 (*)"));
  if (!path.isEmpty()) WriteChosenFile(path, WriteConditions(Ticks()));
}

void PlayerFilesMenu::LoadConditions() {
  const QString path = ChooseFile(false, QStringLiteral("载入条件"),
                                  QStringLiteral("缩水条件 (*.txt);;所有文件 (*)"));
  if (path.isEmpty()) return;
  const std::optional<std::string> text = ReadChosenFile(path, kLargestConditionsFile);
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
  const QString path =
      ChooseFile(true, QStringLiteral("导出大底"), QStringLiteral("大底 (*.txt);;所有文件 (*)"));
  if (!path.isEmpty()) WriteChosenFile(path, WriteBaseFile(ToGbk(base_box_->toPlainText())));
}

void PlayerFilesMenu::ImportBase() {
  const QString path = ChooseFile(false, QStringLiteral("导入大底"),
                                  QStringLiteral("大底 (*.txt *.csv);;所有文件 (*)"));
  if (path.isEmpty()) return;
  const std::optional<std::string> bytes = ReadChosenFile(path, kLargestBaseFile);
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
  const QString path = ChooseFile(false, QStringLiteral("回测开奖历史"),
                                  QStringLiteral("开奖历史 (*.txt *.csv);;所有文件 (*)"));
  if (path.isEmpty()) return;
  const std::optional<std::string> history = ReadChosenFile(path, kLargestHistoryFile);
  if (!history) return;
  Tell(BackTestMessage(BackTest(*history, NumbersInBase(base))));
}

}  // namespace lirex
