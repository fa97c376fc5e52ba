// Dalo, the launcher: its start-up window, skinned once it exists; the program ends when its last
// window closes, whichever that is.
#include <QApplication>

#include "common/command_line.h"
#include "common/message_boxes.h"
#include "common/platform.h"
#include "common/program_icon.h"
#include "common/start_window.h"
#include "common/web_view_slot.h"
#include "common/window_placement.h"
#include "predictor/predictor_window.h"
#include "predictor/skin_setup.h"

namespace {

constexpr lirex::ProgramAbout kAbout = {
    "Dalo",
    "后三胆码计算与启动器：计算胆码，启动 Vonk，查看倍投方案和开奖视频。\n"
    "Computes a banker number, starts Vonk, shows betting plans and draw videos."};

}  // namespace

int main(int argc, char** argv) {
  lirex::HandleInformationOptions(argc, argv, kAbout);
  lirex::EnterRunDirectory();
  lirex::WebViewSlot::PrepareApplication();
  QApplication application(argc, argv);
  lirex::UseChineseQtTexts();
  QApplication::setWindowIcon(lirex::ProgramIcon(QStringLiteral("dalo")));
  const auto window = lirex::CreateStartWindow<lirex::PredictorWindow>();
  lirex::SkinSetup();
  lirex::CenterOnScreen(window.get(), lirex::PredictorWindow::kOuterSize);
  window->show();
  return application.exec();
}
