#include "shrinker/generation.h"

#include <array>
#include <cstdint>
#include <string>

#include "shrinker/digit_classes.h"

namespace lirex {
namespace {

// The run appends and removes whole entries, so its result is a set of numbers in an order
// fixed by how they were added. Both are computed here directly and the text is written once.

struct NumberTables {
  std::array<DigitClass, kNumberCount> digits_of;    // which digits each number contains
  std::array<std::vector<uint16_t>, 10> containing;  // ascending, for each digit
};

const NumberTables& Tables() {
  static const NumberTables tables = [] {
    NumberTables built{};
    for (int n = 0; n < kNumberCount; ++n) {
      const Digits d = DigitsOf(n);
      built.digits_of[n] = ClassOf({d.h, d.t, d.u});
      for (int digit = 0; digit <= 9; ++digit) {
        if (InClass(built.digits_of[n], digit)) built.containing[digit].push_back(n);
      }
    }
    return built;
  }();
  return tables;
}

// No banker digit: the fill puts each entry in front, so the base runs from 999 down to 000.
void WriteFilled(const NumberSet& killed, std::string& text) {
  for (int n = kNumberCount - 1; n >= 0; --n) {
    if (!killed[n]) text.append(EntryOf(n));
  }
}

// Each ticked digit, in ascending order, appends its numbers in ascending order, skipping those
// that an earlier digit already appended.
void WriteBankered(DigitClass bankers, const NumberSet& killed, std::string& text) {
  const NumberTables& tables = Tables();
  for (int digit = 0; digit <= 9; ++digit) {
    if (!InClass(bankers, digit)) continue;
    const DigitClass earlier = bankers & static_cast<DigitClass>((1u << digit) - 1);
    for (uint16_t n : tables.containing[digit]) {
      if ((tables.digits_of[n] & earlier) == 0 && !killed[n]) text.append(EntryOf(n));
    }
  }
}

}  // namespace

void GenerateBase(const TickSet& ticks, BaseBox& box) {
  const std::vector<GenerationBox>& boxes = GenerationBoxes();
  DigitClass bankers = 0;
  NumberSet killed;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (!ticks[i]) continue;
    if (boxes[i].role == BoxRole::kBanker) {
      bankers |= ClassOf({boxes[i].banker_digit});
    } else {
      killed |= NumbersOf(i);
    }
  }

  std::string text;
  text.reserve(static_cast<size_t>(kNumberCount) * 4);
  if (bankers == 0) {
    WriteFilled(killed, text);
    box.count_label = CountCaption(kNumberCount);
  } else {
    WriteBankered(bankers, killed, text);
  }
  box.text = std::move(text);
  box.count_label = CountCaption(static_cast<int>(box.text.size() / 4));
}

}  // namespace lirex
