#include "shrinker/pattern_kills.h"

namespace lirex {
namespace {

constexpr PatternKill Classes(const char* caption, DigitClass h, DigitClass t, DigitClass u) {
  return {caption, h, t, u, Repeat::kNone};
}

constexpr PatternKill Repeats(const char* caption, Repeat repeat) {
  return {caption, kAnyDigit, kAnyDigit, kAnyDigit, repeat};
}

}  // namespace

const std::array<PatternKill, 47> kPatternKills = {{
    Classes("000", kRoad0, kRoad0, kRoad0),  Classes("001", kRoad0, kRoad0, kRoad1),
    Classes("002", kRoad0, kRoad0, kRoad2),  Classes("010", kRoad0, kRoad1, kRoad0),
    Classes("011", kRoad0, kRoad1, kRoad1),  Classes("012", kRoad0, kRoad1, kRoad2),
    Classes("020", kRoad0, kRoad2, kRoad0),  Classes("021", kRoad0, kRoad2, kRoad1),
    Classes("022", kRoad0, kRoad2, kRoad2),  Classes("100", kRoad1, kRoad0, kRoad0),
    Classes("101", kRoad1, kRoad0, kRoad1),  Classes("102", kRoad1, kRoad0, kRoad2),
    Classes("110", kRoad1, kRoad1, kRoad0),  Classes("111", kRoad1, kRoad1, kRoad1),
    Classes("112", kRoad1, kRoad1, kRoad2),  Classes("120", kRoad1, kRoad2, kRoad0),
    Classes("121", kRoad1, kRoad2, kRoad1),  Classes("122", kRoad1, kRoad2, kRoad2),
    Classes("200", kRoad2, kRoad0, kRoad0),  Classes("201", kRoad2, kRoad0, kRoad1),
    Classes("202", kRoad2, kRoad0, kRoad2),  Classes("210", kRoad2, kRoad1, kRoad0),
    Classes("211", kRoad2, kRoad1, kRoad1),  Classes("212", kRoad2, kRoad1, kRoad2),
    Classes("220", kRoad2, kRoad2, kRoad0),  Classes("221", kRoad2, kRoad2, kRoad1),
    Classes("222", kRoad2, kRoad2, kRoad2),  Classes("单单单", kOdd, kOdd, kOdd),
    Classes("单单双", kOdd, kOdd, kEven),    Classes("单双单", kOdd, kEven, kOdd),
    Classes("单双双", kOdd, kEven, kEven),   Classes("双双双", kEven, kEven, kEven),
    Classes("双双单", kEven, kEven, kOdd),   Classes("双单双", kEven, kOdd, kEven),
    Classes("双单单", kEven, kOdd, kOdd),    Classes("大大大", kBig, kBig, kBig),
    Classes("大大小", kBig, kBig, kSmall),   Classes("大小大", kBig, kSmall, kBig),
    Classes("大小小", kBig, kSmall, kSmall), Classes("小小小", kSmall, kSmall, kSmall),
    Classes("小小大", kSmall, kSmall, kBig), Classes("小大小", kSmall, kBig, kSmall),
    Classes("小大大", kSmall, kBig, kBig),   Repeats("杀包子", Repeat::kTriple),
    Repeats("前对子", Repeat::kFrontPair),   Repeats("后对子", Repeat::kBackPair),
    Repeats("两边对", Repeat::kSidePair),
}};

bool Matches(const PatternKill& kill, Digits d) {
  if (!InClass(kill.h, d.h) || !InClass(kill.t, d.t) || !InClass(kill.u, d.u)) return false;
  switch (kill.repeat) {
    case Repeat::kNone:
      return true;
    case Repeat::kTriple:
      return d.h == d.t && d.t == d.u;
    case Repeat::kFrontPair:
      return d.h == d.t && d.u != d.h;
    case Repeat::kBackPair:
      return d.t == d.u && d.h != d.t;
    case Repeat::kSidePair:
      return d.h == d.u && d.t != d.h;
  }
  return false;
}

}  // namespace lirex
