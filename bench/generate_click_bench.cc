// From a click on 生成大底 to the repainted base box, in the real window class.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "shrinker/shrinker_window.h"

namespace {

void ClickGenerate(benchmark::State& state, bool tick_every_box) {
  lirex::ShrinkerWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
  for (QCheckBox* box : window.findChildren<QCheckBox*>()) box->setChecked(tick_every_box);
  auto* generate = window.findChild<QPushButton*>(QStringLiteral("超级按钮_三星_生成大底"));
  auto* base_box = window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框_三星_大底"));
  for (auto _ : state) {
    generate->click();
    base_box->viewport()->repaint();
  }
}

BENCHMARK_CAPTURE(ClickGenerate, every_box_ticked, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickGenerate, no_box_ticked_1000_entries, false)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
