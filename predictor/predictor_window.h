// Dalo's start-up window. Three buttons open the other windows through LoadWindow (each at most
// once), three start programs through RunProgram; nothing else happens here.
#ifndef LIREX_PREDICTOR_PREDICTOR_WINDOW_H_
#define LIREX_PREDICTOR_PREDICTOR_WINDOW_H_

#include <QPointer>

#include "predictor/banker_calc_window.h"
#include "predictor/betting_plan_window.h"
#include "predictor/dalo_window.h"
#include "predictor/draw_video_window.h"

namespace lirex {

class PredictorWindow : public DaloWindow {
  Q_OBJECT

 public:
  PredictorWindow();

  // The outer size, for centring.
  static constexpr QSize kOuterSize{728, 340};

 private:
  QPointer<BankerCalcWindow> banker_calc_;
  QPointer<BettingPlanWindow> betting_plan_;
  QPointer<DrawVideoWindow> draw_video_;
};

// Opens a new window in `slot` when none is open; otherwise restores or activates the open one.
template <typename Window>
void LoadWindow(QPointer<Window>& slot) {
  if (slot.isNull()) {
    slot = new Window();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    slot->show();
  } else if (slot->isMinimized()) {
    slot->showNormal();
  } else {
    slot->raise();
    slot->activateWindow();
  }
}

}  // namespace lirex

#endif  // LIREX_PREDICTOR_PREDICTOR_WINDOW_H_
