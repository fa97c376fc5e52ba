// The product's run against the step-by-step model, on many reproducible random tick sets.
#include <gtest/gtest.h>

#include <random>

#include "shrinker/generation.h"
#include "tests/literal_model.h"

namespace lirex {
namespace {

TickSet RandomTicks(std::mt19937& random) {
  // Sparse and dense sets alike; banker boxes get their own density so that both the fill and
  // the banker orders are exercised.
  const double densities[] = {0.0, 0.01, 0.03, 0.1, 0.3, 0.9};
  std::uniform_int_distribution<int> pick(0, 5);
  std::bernoulli_distribution banker(densities[pick(random)]);
  std::bernoulli_distribution kill(densities[pick(random)]);
  const std::vector<GenerationBox>& boxes = GenerationBoxes();
  TickSet ticks;
  for (size_t i = 0; i < boxes.size(); ++i) {
    ticks[i] = boxes[i].role == BoxRole::kBanker ? banker(random) : kill(random);
  }
  return ticks;
}

TEST(GenerateBase, MatchesTheStepByStepRunOnRandomTickSets) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 200; ++round) {
    const TickSet ticks = RandomTicks(random);
    const std::string earlier_label = round % 2 ? InitialCountCaption() : CountCaption(42);
    BaseBox product{"left over ", earlier_label};
    BaseBox model{"left over ", earlier_label};
    GenerateBase(ticks, product);
    GenerateBaseLiterally(ticks, model);
    ASSERT_EQ(product.text, model.text) << "round " << round << ", ticks " << ticks;
    ASSERT_EQ(product.count_label, model.count_label) << "round " << round << ", ticks " << ticks;
  }
}

TEST(GenerateBase, MatchesTheStepByStepRunForEachSingleBox) {
  for (size_t i = 0; i < kGenerationBoxCount; ++i) {
    TickSet ticks;
    ticks.set(i);
    BaseBox product{"", InitialCountCaption()};
    BaseBox model{"", InitialCountCaption()};
    GenerateBase(ticks, product);
    GenerateBaseLiterally(ticks, model);
    ASSERT_EQ(product.text, model.text) << GenerationBoxes()[i].name;
    ASSERT_EQ(product.count_label, model.count_label) << GenerationBoxes()[i].name;
  }
}

}  // namespace
}  // namespace lirex
