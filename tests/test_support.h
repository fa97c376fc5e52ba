// Helpers shared by the core tests: reading a base text back as numbers.
#ifndef LIREX_TESTS_TEST_SUPPORT_H_
#define LIREX_TESTS_TEST_SUPPORT_H_

#include <set>
#include <string>
#include <vector>

#include "common/text_ops.h"
#include "shrinker/base_text.h"
#include "shrinker/generation.h"

namespace lirex {

inline std::vector<int> NumbersIn(const std::string& base_text) {
  std::vector<int> numbers;
  for (const std::string& piece : SplitText(base_text, " ")) numbers.push_back(TextToInt(piece));
  return numbers;
}

inline std::set<int> NumberSetIn(const std::string& base_text) {
  const std::vector<int> numbers = NumbersIn(base_text);
  return {numbers.begin(), numbers.end()};
}

// The base a click on 生成大底 leaves, starting from a freshly opened window.
inline BaseBox Generated(const TickSet& ticks) {
  BaseBox box{"", InitialCountCaption()};
  GenerateBase(ticks, box);
  return box;
}

}  // namespace lirex

#endif  // LIREX_TESTS_TEST_SUPPORT_H_
