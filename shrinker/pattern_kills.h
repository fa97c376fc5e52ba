// The 47 boxes of the 杀组合 group: each row names its box by caption and says which numbers
// its kill removes.
#ifndef LIREX_SHRINKER_PATTERN_KILLS_H_
#define LIREX_SHRINKER_PATTERN_KILLS_H_

#include <array>

#include "shrinker/digit_classes.h"

namespace lirex {

// How the three digits must compare with each other, on top of their classes.
enum class Repeat { kNone, kTriple, kFrontPair, kBackPair, kSidePair };

struct PatternKill {
  const char* caption;  // UTF-8; the box is 选择框_三星_组合_<caption>
  DigitClass h;
  DigitClass t;
  DigitClass u;
  Repeat repeat;
};

// In the order the generation run calls them.
extern const std::array<PatternKill, 47> kPatternKills;

bool Matches(const PatternKill& kill, Digits digits);

}  // namespace lirex

#endif  // LIREX_SHRINKER_PATTERN_KILLS_H_
