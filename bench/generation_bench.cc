// Times the generation run three ways on the same tick sets: the product's run, the step-by-step
// model that rereads and rewrites the whole text for every entry, and a bare pass that only ORs
// precomputed number masks and writes what is left. Prints how the product compares with both.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "shrinker/generation.h"
#include "tests/literal_model.h"

namespace lirex {
namespace {

const std::map<std::string, TickSet>& Cases() {
  static const std::map<std::string, TickSet> cases = [] {
    TickSet every;
    every.set();
    return std::map<std::string, TickSet>{
        {"every_box", every},
        {"no_box", TickSet()},
        {"banker_3_5_few_kills",
         TicksNamed({"选择框_三星_胆_3", "选择框_三星_胆_5", "选择框_三星_百_0", "选择框_三星_跨_0",
                     "选择框_三星_和_9", "选择框_三星_组合_杀包子"})},
    };
  }();
  return cases;
}

void BarePass(const TickSet& ticks, BaseBox& box) {
  const std::vector<GenerationBox>& boxes = GenerationBoxes();
  NumberSet bankered;
  NumberSet killed;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (!ticks[i]) continue;
    (boxes[i].role == BoxRole::kBanker ? bankered : killed) |= NumbersOf(i);
  }
  if (bankered.none()) bankered.set();
  const NumberSet left = bankered & ~killed;
  std::string text;
  text.reserve(4000);
  for (int n = 0; n < kNumberCount; ++n) {
    if (left[n]) text.append(EntryOf(n));
  }
  box.text = std::move(text);
}

template <void (*Run)(const TickSet&, BaseBox&)>
void Generate(benchmark::State& state, const std::string& name) {
  const TickSet& ticks = Cases().at(name);
  BaseBox box{"", InitialCountCaption()};
  for (auto _ : state) {
    Run(ticks, box);
    benchmark::DoNotOptimize(box.text.data());
  }
}

void RegisterAll() {
  NumbersOf(0);  // the tables are built once per program, not per click
  for (const auto& [name, ticks] : Cases()) {
    benchmark::RegisterBenchmark(("product/" + name).c_str(), Generate<GenerateBase>, name);
    benchmark::RegisterBenchmark(("literal/" + name).c_str(), Generate<GenerateBaseLiterally>, name)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("bare/" + name).c_str(), Generate<BarePass>, name);
  }
}

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration) {
        nanoseconds_[run.benchmark_name()] = run.real_accumulated_time / run.iterations * 1e9;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\n%-22s %14s %14s %22s %20s\n", "case", "product ns", "bare ns",
                "literal / product", "product / bare");
    for (const auto& [name, ticks] : Cases()) {
      const double product = nanoseconds_.at("product/" + name);
      const double literal = nanoseconds_.at("literal/" + name);
      const double bare = nanoseconds_.at("bare/" + name);
      std::printf("%-22s %14.0f %14.0f %21.0fx %19.2fx\n", name.c_str(), product, bare,
                  literal / product, product / bare);
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace
}  // namespace lirex

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  lirex::RegisterAll();
  lirex::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
