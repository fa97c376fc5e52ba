// Dalo, the launcher: its start-up window, skinned once it exists; the program ends when its last
// window closes, whichever that is.
#include <QApplication>

#include "common/platform.h"
#include "common/start_window.h"
#include "common/window_placement.h"
#include "predictor/predictor_window.h"
#include "predictor/skin_setup.h"

int main(int argc, char** argv) {
  lirex::EnterRunDirectory();
  QApplication application(argc, argv);
  const auto window = lirex::CreateStartWindow<lirex::PredictorWindow>();
  lirex::SkinSetup();
  lirex::CenterOnScreen(window.get(), lirex::PredictorWindow::kOuterSize);
  window->show();
  return application.exec();
}
