#include "shrinker/conditions_file.h"

#include <array>
#include <optional>
#include <vector>

namespace lirex {
namespace {

constexpr std::string_view kNamePrefix = "选择框_三星_";
constexpr std::string_view kVersionKey = "版本";
// The groups in the window's order; each box's name is the prefix, the group, "_", the caption.
constexpr std::array<std::string_view, 7> kGroups = {"胆", "百", "十", "个", "跨", "和", "组合"};

struct BoxKey {
  std::string_view group;
  std::string_view caption;
};

BoxKey KeyOf(const GenerationBox& box) {
  std::string_view rest = std::string_view(box.name).substr(kNamePrefix.size());
  const size_t cut = rest.rfind('_');
  return {rest.substr(0, cut), rest.substr(cut + 1)};
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const size_t start = pos;
    while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') ++pos;
    if (pos > start) words.push_back(text.substr(start, pos - start));
  }
  return words;
}

std::optional<size_t> BoxIndex(std::string_view group, std::string_view caption) {
  const auto& boxes = GenerationBoxes();
  for (size_t i = 0; i < boxes.size(); ++i) {
    const BoxKey key = KeyOf(boxes[i]);
    if (key.group == group && key.caption == caption) return i;
  }
  return std::nullopt;
}

FileError Wrong(int line, std::string message) { return {line, std::move(message)}; }

}  // namespace

std::string WriteConditions(const TickSet& ticks) {
  std::string text = "# 三星缩水条件\n";
  text += std::string(kVersionKey) + " = " + std::to_string(kConditionsFormatVersion) + "\n";
  const auto& boxes = GenerationBoxes();
  for (std::string_view group : kGroups) {
    text += std::string(group) + " =";
    // Captions in the window's order of the group (the run's order within a group).
    for (size_t i = 0; i < boxes.size(); ++i) {
      const BoxKey key = KeyOf(boxes[i]);
      if (key.group == group && ticks[i]) text += " " + std::string(key.caption);
    }
    text += "\n";
  }
  return text;
}

std::variant<TickSet, FileError> ReadConditions(std::string_view text) {
  TickSet ticks;
  bool has_version = false;
  std::array<bool, kGroups.size()> seen{};
  int line_number = 0;
  for (size_t pos = 0; pos <= text.size();) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++line_number;
    if (line.empty() || line.front() == '#') {
      if (end == text.size()) break;
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return Wrong(line_number, "第" + std::to_string(line_number) + "行不完整：缺少“=”");
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::vector<std::string_view> values = Words(line.substr(equals + 1));
    const std::string where = "第" + std::to_string(line_number) + "行";
    if (!has_version) {
      if (key != kVersionKey) return Wrong(line_number, where + "应为格式版本“版本 = 1”");
      if (values.size() != 1 || values[0] != std::to_string(kConditionsFormatVersion)) {
        return Wrong(line_number, where + "的格式版本不是1，无法读取");
      }
      has_version = true;
      continue;
    }
    size_t group = 0;
    while (group < kGroups.size() && kGroups[group] != key) ++group;
    if (group == kGroups.size()) {
      return Wrong(line_number, where + "有未知的项目“" + std::string(key) + "”");
    }
    if (seen[group]) return Wrong(line_number, where + "重复了项目“" + std::string(key) + "”");
    seen[group] = true;
    for (std::string_view caption : values) {
      const std::optional<size_t> index = BoxIndex(key, caption);
      if (!index) {
        return Wrong(line_number,
                     where + "的“" + std::string(key) + "”中没有“" + std::string(caption) + "”");
      }
      ticks[*index] = true;
    }
    if (end == text.size()) break;
  }
  if (!has_version) return Wrong(0, "文件中没有格式版本，不是缩水条件文件");
  return ticks;
}

}  // namespace lirex
