#include "shrinker/generation_boxes.h"

#include <array>
#include <functional>
#include <stdexcept>

#include "common/text_ops.h"
#include "shrinker/digit_classes.h"
#include "shrinker/pattern_kills.h"

namespace lirex {
namespace {

struct Position {
  const char* key;
  int Digits::*digit;
};

constexpr std::array<Position, 3> kPositions = {{
    {"百", &Digits::h},
    {"十", &Digits::t},
    {"个", &Digits::u},
}};

int Span(Digits d) {
  std::vector<int32_t> digits = {d.h, d.t, d.u};
  SortIntegers(digits);
  return digits.back() - digits.front();
}

class TableBuilder {
 public:
  void Banker(int digit) {
    Add("胆", std::to_string(digit), BoxRole::kBanker, digit,
        [digit](Digits d) { return d.h == digit || d.t == digit || d.u == digit; });
  }

  void Kill(const char* key, const std::string& caption, std::function<bool(Digits)> condition) {
    Add(key, caption, BoxRole::kKill, -1, std::move(condition));
  }

  std::vector<GenerationBox> Take() { return std::move(boxes_); }

 private:
  void Add(const char* key, const std::string& caption, BoxRole role, int banker_digit,
           std::function<bool(Digits)> condition) {
    boxes_.push_back({std::string("选择框_三星_") + key + "_" + caption, caption, role,
                      banker_digit, std::move(condition)});
  }

  std::vector<GenerationBox> boxes_;
};

std::vector<GenerationBox> BuildGenerationBoxes() {
  TableBuilder table;
  for (int d = 0; d <= 9; ++d) table.Banker(d);
  // The digit kills of a position, then its class kills in caption order.
  for (const Position& position : kPositions) {
    const auto digit_at = position.digit;
    for (int d = 0; d <= 9; ++d) {
      table.Kill(position.key, std::to_string(d), [=](Digits n) { return n.*digit_at == d; });
    }
    for (const PositionClass& kill : kPositionClasses) {
      const DigitClass digits = kill.digits;
      table.Kill(position.key, kill.caption,
                 [=](Digits n) { return InClass(digits, n.*digit_at); });
    }
  }
  for (int k = 0; k <= 9; ++k) {
    table.Kill("跨", std::to_string(k), [k](Digits n) { return Span(n) == k; });
  }
  for (int s = 0; s <= 27; ++s) {
    table.Kill("和", std::to_string(s), [s](Digits n) { return n.h + n.t + n.u == s; });
  }
  for (const PatternKill& kill : kPatternKills) {
    table.Kill("组合", kill.caption, [&kill](Digits n) { return Matches(kill, n); });
  }
  return table.Take();
}

}  // namespace

const std::vector<GenerationBox>& GenerationBoxes() {
  static const std::vector<GenerationBox> boxes = [] {
    std::vector<GenerationBox> built = BuildGenerationBoxes();
    if (built.size() != kGenerationBoxCount) throw std::logic_error("generation box table size");
    return built;
  }();
  return boxes;
}

const NumberSet& NumbersOf(size_t index) {
  static const std::vector<NumberSet> sets = [] {
    std::vector<NumberSet> built;
    for (const GenerationBox& box : GenerationBoxes()) {
      NumberSet& numbers = built.emplace_back();
      for (int n = 0; n < kNumberCount; ++n) numbers[n] = box.condition(DigitsOf(n));
    }
    return built;
  }();
  return sets.at(index);
}

std::optional<size_t> FindGenerationBox(std::string_view name) {
  const auto& boxes = GenerationBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].name == name) return i;
  }
  return std::nullopt;
}

TickSet TicksNamed(std::initializer_list<std::string_view> names) {
  TickSet ticks;
  for (std::string_view name : names) {
    const std::optional<size_t> index = FindGenerationBox(name);
    if (!index) throw std::invalid_argument("not a generation box: " + std::string(name));
    ticks.set(*index);
  }
  return ticks;
}

}  // namespace lirex
