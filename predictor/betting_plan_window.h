// Two betting-plan pictures, decoded from the carried JPEG files, a notice and an advertisement.
// Nothing here reacts to the player.
#ifndef LIREX_PREDICTOR_BETTING_PLAN_WINDOW_H_
#define LIREX_PREDICTOR_BETTING_PLAN_WINDOW_H_

#include "predictor/dalo_window.h"

namespace lirex {

class BettingPlanWindow : public DaloWindow {
  Q_OBJECT

 public:
  BettingPlanWindow();
};

}  // namespace lirex

#endif  // LIREX_PREDICTOR_BETTING_PLAN_WINDOW_H_
