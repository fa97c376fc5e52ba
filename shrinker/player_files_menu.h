// Vonk's abilities beyond its window's buttons, in context menus and shortcuts: conditions saved
// and loaded (Ctrl+S, Ctrl+O), all ticks cleared, the base exported and imported, a back-test
// against a draw history, and the count that 生成大底 would give, in its tooltip. Each maps the
// window's controls onto the core's file formats and reports through ShowMessage.
#ifndef LIREX_SHRINKER_PLAYER_FILES_MENU_H_
#define LIREX_SHRINKER_PLAYER_FILES_MENU_H_

#include <QObject>
#include <array>
#include <optional>
#include <string>

#include "shrinker/generation_boxes.h"

class QAction;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lirex {

class PlayerFilesMenu : public QObject {
  Q_OBJECT

 public:
  PlayerFilesMenu(QWidget* window, QPlainTextEdit* base_box, QPushButton* generate,
                  const std::array<QCheckBox*, kGenerationBoxCount>& boxes);

  void SaveConditions();
  void LoadConditions();
  void ClearTicks();
  void ExportBase();
  void ImportBase();
  void BackTestHistory();

 private:
  TickSet Ticks() const;
  void UpdatePreview();
  // A file name from the player, or empty when they cancel.
  QString ChooseFile(bool save, const QString& title, const QString& filter) const;
  // A file the player chooses, read whole; nothing when they cancel, and a message as well when
  // it cannot be read.
  std::optional<std::string> ReadChosenFile(const QString& title, const QString& filter,
                                            size_t max_bytes) const;
  // Writes a file the player chooses (unless they cancel); says so when it cannot.
  void WriteChosenFile(const QString& title, const QString& filter, const std::string& bytes) const;

  QWidget* window_;
  QPlainTextEdit* base_box_;
  QPushButton* generate_;
  std::array<QCheckBox*, kGenerationBoxCount> boxes_;
  QAction* save_ = nullptr;
  QAction* load_ = nullptr;
  QAction* clear_ = nullptr;
  QAction* export_ = nullptr;
  QAction* import_ = nullptr;
  QAction* back_test_ = nullptr;
};

}  // namespace lirex

#endif  // LIREX_SHRINKER_PLAYER_FILES_MENU_H_
