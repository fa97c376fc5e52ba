// The back-test: how the base as it stands would have fared against a player's own draw history.
//
// A history file has one draw a line, as "123", "1 2 3", "1,2,3", or with a period number first,
// "2024001 123" or "2024001,1,2,3" (tabs and "，" separate too), oldest first as lottery sites
// list them for saving. Blank lines and one header line before the first draw are skipped; any
// other line that is not a draw is counted and named.
#ifndef LIREX_SHRINKER_DRAW_HISTORY_H_
#define LIREX_SHRINKER_DRAW_HISTORY_H_

#include <string>
#include <string_view>
#include <vector>

#include "shrinker/generation_boxes.h"

namespace lirex {

struct BackTestReport {
  int draws = 0;             // readable draws
  int hits = 0;              // draws whose number is in the base
  int base_size = 0;         // numbers of 000 to 999 in the base
  int longest_miss_run = 0;  // most draws in a row outside the base
  std::vector<std::string>
      last_hits;  // periods of the last ten hits, oldest first ("第N行" without one)
  int unreadable = 0;
  std::vector<int> unreadable_lines;  // the first ten, 1-based
};

// The numbers that 查 询 finds in the base text (GBK).
NumberSet NumbersInBase(std::string_view base_text);

BackTestReport BackTest(std::string_view history, const NumberSet& base);

// The report as the window shows it (UTF-8); with no readable draw it says so and claims nothing.
std::string BackTestMessage(const BackTestReport& report);

}  // namespace lirex

#endif  // LIREX_SHRINKER_DRAW_HISTORY_H_
