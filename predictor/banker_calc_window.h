// The banker-number calculator: the player types the last draw's digits and clicks 生成胆码;
// the window hands the input's text (GBK) to ComputeBankerNumber and shows the result.
#ifndef LIREX_PREDICTOR_BANKER_CALC_WINDOW_H_
#define LIREX_PREDICTOR_BANKER_CALC_WINDOW_H_

#include "predictor/dalo_window.h"

class QLineEdit;

namespace lirex {

class BankerCalcWindow : public DaloWindow {
  Q_OBJECT

 public:
  BankerCalcWindow();

 private:
  void GenerateClicked();

  QLineEdit* input_ = nullptr;
  QLineEdit* output_ = nullptr;
};

}  // namespace lirex

#endif  // LIREX_PREDICTOR_BANKER_CALC_WINDOW_H_
