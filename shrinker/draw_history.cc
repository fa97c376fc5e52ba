#include "shrinker/draw_history.h"

#include <array>
#include <cstdio>
#include <deque>

#include "common/text_ops.h"

namespace lirex {
namespace {

constexpr size_t kLastHits = 10;
constexpr size_t kNamedLines = 10;
// A line holds a period and three digits at most; more pieces make it unreadable.
constexpr size_t kMostPieces = 4;

bool AllDigits(std::string_view piece) {
  if (piece.empty()) return false;
  for (char c : piece) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Splits at spaces, tabs, commas and "，"; false when the line has more pieces than a draw.
bool SplitLine(std::string_view line, std::array<std::string_view, kMostPieces>& pieces,
               size_t& count) {
  count = 0;
  size_t pos = 0;
  while (pos < line.size()) {
    const char c = line[pos];
    if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
      ++pos;
      continue;
    }
    if (line.substr(pos, 3) == "，") {
      pos += 3;
      continue;
    }
    size_t end = pos;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ',' &&
           line[end] != '\r' && line.substr(end, 3) != "，") {
      ++end;
    }
    if (count == kMostPieces) return false;
    pieces[count++] = line.substr(pos, end - pos);
    pos = end;
  }
  return true;
}

struct ParsedDraw {
  bool readable = false;
  bool blank = false;
  std::string_view period;
  int number = 0;
};

ParsedDraw ParseLine(std::string_view line) {
  ParsedDraw draw;
  std::array<std::string_view, kMostPieces> pieces;
  size_t count = 0;
  if (!SplitLine(line, pieces, count)) return draw;
  if (count == 0) {
    draw.blank = true;
    return draw;
  }
  for (size_t i = 0; i < count; ++i) {
    if (!AllDigits(pieces[i])) return draw;
  }
  const auto digit = [](std::string_view piece, size_t i) { return piece[i] - '0'; };
  std::string_view digits;
  if (count == 1 || count == 2) {
    digits = pieces[count - 1];
    if (digits.size() != 3) return draw;
    draw.number = digit(digits, 0) * 100 + digit(digits, 1) * 10 + digit(digits, 2);
  } else {
    const size_t first = count - 3;
    for (size_t i = first; i < count; ++i) {
      if (pieces[i].size() != 1) return draw;
    }
    draw.number = digit(pieces[first], 0) * 100 + digit(pieces[first + 1], 0) * 10 +
                  digit(pieces[first + 2], 0);
  }
  if (count == 2 || count == 4) draw.period = pieces[0];
  draw.readable = true;
  return draw;
}

}  // namespace

NumberSet NumbersInBase(std::string_view base_text) {
  NumberSet numbers;
  for (int n = 0; n < kNumberCount; ++n) {
    numbers[static_cast<size_t>(n)] = FindText(base_text, EntryOf(n).substr(0, 3)) != -1;
  }
  return numbers;
}

BackTestReport BackTest(std::string_view history, const NumberSet& base) {
  BackTestReport report;
  report.base_size = static_cast<int>(base.count());
  if (history.substr(0, 3) == "\xEF\xBB\xBF") history.remove_prefix(3);
  std::deque<std::string> hits;
  int miss_run = 0;
  bool header_allowed = true;
  int line_number = 0;
  for (size_t pos = 0; pos < history.size();) {
    const size_t end = std::min(history.find('\n', pos), history.size());
    const std::string_view line = history.substr(pos, end - pos);
    pos = end + 1;
    ++line_number;
    const ParsedDraw draw = ParseLine(line);
    if (draw.blank) continue;
    if (!draw.readable) {
      if (header_allowed) {
        header_allowed = false;
        continue;
      }
      ++report.unreadable;
      if (report.unreadable_lines.size() < kNamedLines)
        report.unreadable_lines.push_back(line_number);
      continue;
    }
    header_allowed = false;
    ++report.draws;
    if (base[static_cast<size_t>(draw.number)]) {
      ++report.hits;
      miss_run = 0;
      std::string period = draw.period.empty() ? "第" + std::to_string(line_number) + "行"
                                               : std::string(draw.period);
      hits.push_back(std::move(period));
      if (hits.size() > kLastHits) hits.pop_front();
    } else {
      report.longest_miss_run = std::max(report.longest_miss_run, ++miss_run);
    }
  }
  report.last_hits.assign(hits.begin(), hits.end());
  return report;
}

std::string BackTestMessage(const BackTestReport& report) {
  std::string message;
  if (report.draws == 0) {
    message = "文件中没有可识别的开奖号码，无法回测。";
  } else {
    char rates[160];
    std::snprintf(rates, sizeof rates, "命中率%.2f%%（大底%d注，占全部1000注的%.1f%%）。\n",
                  100.0 * report.hits / report.draws, report.base_size, report.base_size / 10.0);
    message = "共读取开奖" + std::to_string(report.draws) + "期，其中" +
              std::to_string(report.hits) + "期在大底中。\n" + rates + "最长连续未中" +
              std::to_string(report.longest_miss_run) + "期。\n";
    if (report.last_hits.empty()) {
      message += "没有命中的期号。\n";
    } else {
      message += "最近" + std::to_string(report.last_hits.size()) + "次命中：";
      for (size_t i = 0; i < report.last_hits.size(); ++i) {
        message += (i == 0 ? "" : "、") + report.last_hits[i];
      }
      message += "。\n";
    }
  }
  if (report.unreadable > 0) {
    message += "无法识别的行共" + std::to_string(report.unreadable) + "行：";
    for (size_t i = 0; i < report.unreadable_lines.size(); ++i) {
      message += (i == 0 ? "第" : "、第") + std::to_string(report.unreadable_lines[i]) + "行";
    }
    message += report.unreadable > static_cast<int>(report.unreadable_lines.size()) ? "等。" : "。";
  }
  return message;
}

}  // namespace lirex
