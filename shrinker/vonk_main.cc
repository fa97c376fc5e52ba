// Vonk, the shrinker: one window, skinned once it exists, until the user closes it.
#include <QApplication>

#include "common/command_line.h"
#include "common/message_boxes.h"
#include "common/platform.h"
#include "common/program_icon.h"
#include "common/start_window.h"
#include "common/web_view_slot.h"
#include "common/window_placement.h"
#include "shrinker/shrinker_layout.h"
#include "shrinker/shrinker_window.h"

namespace {

constexpr lirex::ProgramAbout kAbout = {
    "Vonk",
    "三星大底缩水：勾选定胆码和杀号条件，生成大底。\n"
    "Builds a base of three-digit numbers from banker digits and kill conditions."};

}  // namespace

int main(int argc, char** argv) {
  lirex::HandleInformationOptions(argc, argv, kAbout);
  lirex::EnterRunDirectory();
  lirex::WebViewSlot::PrepareApplication();
  QApplication application(argc, argv);
  lirex::UseChineseQtTexts();
  QApplication::setWindowIcon(lirex::ProgramIcon(QStringLiteral("vonk")));
  const auto window = lirex::CreateStartWindow<lirex::ShrinkerWindow>();
  lirex::AttachSkin();
  lirex::CenterOnScreen(window.get(), {lirex::kShrinkerOuterWidth, lirex::kShrinkerOuterHeight});
  window->show();
  return application.exec();
}
