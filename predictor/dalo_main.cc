// Dalo, the launcher: its start-up window, skinned once it exists; the program ends when its last
// window closes, whichever that is.
#include <QApplication>
#include <exception>
#include <memory>

#include "common/fatal_error.h"
#include "common/gbk.h"
#include "common/platform.h"
#include "predictor/predictor_window.h"
#include "predictor/skin_setup.h"

int main(int argc, char** argv) {
  lirex::EnterRunDirectory();
  QApplication application(argc, argv);
  std::unique_ptr<lirex::PredictorWindow> window;
  try {
    window = std::make_unique<lirex::PredictorWindow>();
  } catch (const std::exception&) {
    lirex::FatalErrorBox(std::nullopt, lirex::Gbk("载入启动窗口失败"));
  }
  lirex::SkinSetup();
  window->CenterOnScreen(lirex::PredictorWindow::kOuterSize);
  window->show();
  return application.exec();
}
