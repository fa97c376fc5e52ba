// The digit classes that the kill boxes' captions name (roads, odd/even, big/small) and the
// three digits of a number.
#ifndef LIREX_SHRINKER_DIGIT_CLASSES_H_
#define LIREX_SHRINKER_DIGIT_CLASSES_H_

#include <cstdint>
#include <initializer_list>

namespace lirex {

struct Digits {
  int h;
  int t;
  int u;
};

constexpr Digits DigitsOf(int number) { return {number / 100, number / 10 % 10, number % 10}; }

// A set of the digits 0 to 9, bit d standing for digit d.
using DigitClass = uint16_t;

constexpr DigitClass ClassOf(std::initializer_list<int> digits) {
  DigitClass mask = 0;
  for (int d : digits) mask = static_cast<DigitClass>(mask | (1u << d));
  return mask;
}

constexpr bool InClass(DigitClass digit_class, int digit) { return (digit_class >> digit) & 1u; }

inline constexpr DigitClass kRoad0 = ClassOf({0, 3, 6, 9});
inline constexpr DigitClass kRoad1 = ClassOf({1, 4, 7});
inline constexpr DigitClass kRoad2 = ClassOf({2, 5, 8});
inline constexpr DigitClass kOdd = ClassOf({1, 3, 5, 7, 9});
inline constexpr DigitClass kEven = ClassOf({0, 2, 4, 6, 8});
inline constexpr DigitClass kBig = ClassOf({5, 6, 7, 8, 9});
inline constexpr DigitClass kSmall = ClassOf({0, 1, 2, 3, 4});
inline constexpr DigitClass kAnyDigit = ClassOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});

}  // namespace lirex

#endif  // LIREX_SHRINKER_DIGIT_CLASSES_H_
