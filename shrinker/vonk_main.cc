// Vonk, the shrinker: one window, skinned once it exists, until the user closes it.
#include <QApplication>

#include "common/platform.h"
#include "common/start_window.h"
#include "common/window_placement.h"
#include "shrinker/shrinker_layout.h"
#include "shrinker/shrinker_window.h"

int main(int argc, char** argv) {
  lirex::EnterRunDirectory();
  QApplication application(argc, argv);
  const auto window = lirex::CreateStartWindow<lirex::ShrinkerWindow>();
  lirex::AttachSkin();
  lirex::CenterOnScreen(window.get(), {lirex::kShrinkerOuterWidth, lirex::kShrinkerOuterHeight});
  window->show();
  return application.exec();
}
