// The files a player gives Vonk, on any bytes: conditions (whatever is read survives a write and
// a read), an imported base (only whole entries, each once) and a draw history (figures that add
// up).
#include <cstdlib>
#include <string>
#include <variant>

#include "shrinker/base_file.h"
#include "shrinker/conditions_file.h"
#include "shrinker/draw_history.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  switch (bytes[0] % 3) {
    case 0: {
      const auto read = lirex::ReadConditions(input);
      if (const auto* ticks = std::get_if<lirex::TickSet>(&read)) {
        const auto again = lirex::ReadConditions(lirex::WriteConditions(*ticks));
        Check(std::holds_alternative<lirex::TickSet>(again) &&
              std::get<lirex::TickSet>(again) == *ticks);
      } else {
        Check(!std::get<lirex::FileError>(read).message.empty());
      }
      break;
    }
    case 1: {
      const auto read = lirex::ReadBaseFile(input);
      if (const auto* base = std::get_if<std::string>(&read)) {
        Check(!base->empty() && base->size() % 4 == 0 && base->size() <= 4000);
        for (size_t i = 0; i < base->size(); i += 4) {
          Check((*base)[i + 3] == ' ');
          for (size_t d = 0; d < 3; ++d) Check((*base)[i + d] >= '0' && (*base)[i + d] <= '9');
        }
        Check(std::get<std::string>(lirex::ReadBaseFile(lirex::WriteBaseFile(*base))) == *base);
      }
      break;
    }
    case 2: {
      lirex::NumberSet base;
      for (size_t i = 0; i < 1000; i += 7) base[i] = true;
      const lirex::BackTestReport report = lirex::BackTest(input, base);
      Check(report.hits >= 0 && report.hits <= report.draws);
      Check(report.longest_miss_run <= report.draws - report.hits);
      Check(report.last_hits.size() <= 10 &&
            report.last_hits.size() == static_cast<size_t>(std::min(report.hits, 10)));
      Check(report.unreadable_lines.size() == static_cast<size_t>(std::min(report.unreadable, 10)));
      Check(!lirex::BackTestMessage(report).empty());
      break;
    }
  }
  return 0;
}
