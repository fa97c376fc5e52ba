// Vonk's one window. It holds no data of its own: the base lives in the base box and the count in
// its label. Each button reads the controls it needs, hands their texts (as GBK) to the core
// (ClearBase, GenerateBase, CopyBase, CheckWinningNumber) and writes the result back or shows it
// through ShowMessage.
#ifndef LIREX_SHRINKER_SHRINKER_WINDOW_H_
#define LIREX_SHRINKER_SHRINKER_WINDOW_H_

#include <QWidget>
#include <array>

#include "shrinker/base_text.h"
#include "shrinker/generation_boxes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace lirex {

class ShrinkerWindow : public QWidget {
  Q_OBJECT

 public:
  ShrinkerWindow();

 private:
  void BuildControls();
  void BindButtons();

  void ClearBaseClicked();
  void GenerateBaseClicked();
  void CopyBaseClicked();
  void CheckWinningNumberClicked();
  void BaseEdited();

  BaseBox ReadBase() const;
  void WriteBase(const BaseBox& box);
  TickSet ReadTicks() const;

  QPlainTextEdit* base_box_ = nullptr;
  QLabel* count_label_ = nullptr;
  QLineEdit* query_box_ = nullptr;
  std::array<QCheckBox*, kGenerationBoxCount> generation_boxes_{};
};

// Dresses the program with skinh.she from beside the program.
void AttachSkin();

}  // namespace lirex

#endif  // LIREX_SHRINKER_SHRINKER_WINDOW_H_
