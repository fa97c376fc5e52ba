// The back-test on a history of a million draws, in the formats players save (goal: under a
// second), and the import of a full base file.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "shrinker/base_file.h"
#include "shrinker/draw_history.h"
#include "shrinker/generation.h"

namespace {

std::string History(int lines) {
  std::mt19937 random(3);
  std::string history = "期号,开奖号码\n";
  for (int i = 0; i < lines; ++i) {
    const int n = static_cast<int>(random() % 1000);
    const std::string period = std::to_string(2000000 + i);
    switch (i % 4) {
      case 0:
        history += period + " " + std::to_string(n / 100) + std::to_string(n / 10 % 10) +
                   std::to_string(n % 10) + "\n";
        break;
      case 1:
        history += period + "," + std::to_string(n / 100) + "," + std::to_string(n / 10 % 10) +
                   "," + std::to_string(n % 10) + "\n";
        break;
      case 2:
        history += std::to_string(n / 100) + " " + std::to_string(n / 10 % 10) + " " +
                   std::to_string(n % 10) + "\n";
        break;
      default:
        history +=
            std::to_string(n / 100) + std::to_string(n / 10 % 10) + std::to_string(n % 10) + "\n";
    }
  }
  return history;
}

lirex::NumberSet TwoBankerBase() {
  lirex::BaseBox box;
  lirex::GenerateBase(lirex::TicksNamed({"选择框_三星_胆_3", "选择框_三星_胆_5"}), box);
  return lirex::NumbersInBase(box.text);
}

void BM_BackTestMillionDraws(benchmark::State& state) {
  const std::string history = History(1000000);
  const lirex::NumberSet base = TwoBankerBase();
  for (auto _ : state) {
    const lirex::BackTestReport report = lirex::BackTest(history, base);
    benchmark::DoNotOptimize(report);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(history.size()));
}
BENCHMARK(BM_BackTestMillionDraws)->Unit(benchmark::kMillisecond);

void BM_BaseOfTheLookUp(benchmark::State& state) {
  lirex::BaseBox box;
  lirex::GenerateBase(lirex::TicksNamed({"选择框_三星_胆_3", "选择框_三星_胆_5"}), box);
  for (auto _ : state) benchmark::DoNotOptimize(lirex::NumbersInBase(box.text));
}
BENCHMARK(BM_BaseOfTheLookUp)->Unit(benchmark::kMillisecond);

void BM_ImportFullBase(benchmark::State& state) {
  lirex::BaseBox box;
  lirex::GenerateBase({}, box);
  const std::string file = lirex::WriteBaseFile(box.text);
  for (auto _ : state) benchmark::DoNotOptimize(lirex::ReadBaseFile(file));
}
BENCHMARK(BM_ImportFullBase)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
