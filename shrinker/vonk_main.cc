// Vonk, the shrinker: one window, skinned once it exists, until the user closes it.
#include <QApplication>
#include <exception>
#include <memory>

#include "common/fatal_error.h"
#include "common/gbk.h"
#include "common/platform.h"
#include "shrinker/shrinker_window.h"

int main(int argc, char** argv) {
  lirex::EnterRunDirectory();
  QApplication application(argc, argv);
  std::unique_ptr<lirex::ShrinkerWindow> window;
  try {
    window = std::make_unique<lirex::ShrinkerWindow>();
  } catch (const std::exception&) {
    lirex::FatalErrorBox(std::nullopt, lirex::Gbk("载入启动窗口失败"));
  }
  lirex::AttachSkin();
  window->CenterOnScreen();
  window->show();
  return application.exec();
}
