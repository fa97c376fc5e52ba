// Every check box that the generation run reads, in the order the run reads them, each with the
// condition on a number it stands for: a banker box selects the numbers that contain its digit, a
// kill box removes the numbers that meet its condition.
#ifndef LIREX_SHRINKER_GENERATION_BOXES_H_
#define LIREX_SHRINKER_GENERATION_BOXES_H_

#include <array>
#include <bitset>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shrinker/base_text.h"
#include "shrinker/digit_classes.h"

namespace lirex {

using NumberSet = std::bitset<kNumberCount>;

// The second-row boxes of the hundreds, tens and units groups kill a digit class, in this order
// after the group's ten digit boxes.
struct PositionClass {
  const char* caption;  // UTF-8
  DigitClass digits;
};

inline constexpr std::array<PositionClass, 7> kPositionClasses = {{
    {"0路", kRoad0},
    {"1路", kRoad1},
    {"2路", kRoad2},
    {"大", kBig},
    {"小", kSmall},
    {"单", kOdd},
    {"双", kEven},
}};

enum class BoxRole { kBanker, kKill };

struct GenerationBox {
  std::string name;     // the check box's object name, UTF-8
  std::string caption;  // UTF-8
  BoxRole role;
  int banker_digit;  // banker boxes only
  std::function<bool(Digits)> condition;
};

inline constexpr size_t kGenerationBoxCount = 146;

const std::vector<GenerationBox>& GenerationBoxes();

// The numbers that meet box `index`'s condition; all 146 sets are worked out at the first call.
const NumberSet& NumbersOf(size_t index);

std::optional<size_t> FindGenerationBox(std::string_view name);

// Which boxes are ticked, indexed like GenerationBoxes().
using TickSet = std::bitset<kGenerationBoxCount>;

// Throws std::invalid_argument for a name that is not a generation box.
TickSet TicksNamed(std::initializer_list<std::string_view> names);

}  // namespace lirex

#endif  // LIREX_SHRINKER_GENERATION_BOXES_H_
