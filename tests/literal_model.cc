#include "tests/literal_model.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "common/text_ops.h"

namespace lirex {
namespace {

using Condition = std::function<bool(int h, int t, int u)>;

bool InWordClass(const std::string& word, int digit) {
  if (word == "0" || word == "0路") return digit % 3 == 0;
  if (word == "1" || word == "1路") return digit % 3 == 1;
  if (word == "2" || word == "2路") return digit % 3 == 2;
  if (word == "单") return digit % 2 == 1;
  if (word == "双") return digit % 2 == 0;
  if (word == "大") return digit >= 5;
  if (word == "小") return digit <= 4;
  throw std::logic_error("no such class: " + word);
}

// Splits a UTF-8 caption into its characters.
std::vector<std::string> Characters(const std::string& caption) {
  std::vector<std::string> characters;
  for (size_t pos = 0; pos < caption.size();) {
    const auto lead = static_cast<unsigned char>(caption[pos]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    characters.push_back(caption.substr(pos, length));
    pos += length;
  }
  return characters;
}

Condition PatternCondition(const std::string& caption) {
  if (caption == "杀包子") return [](int h, int t, int u) { return h == t && t == u; };
  if (caption == "前对子") return [](int h, int t, int u) { return h == t && u != h; };
  if (caption == "后对子") return [](int h, int t, int u) { return t == u && h != t; };
  if (caption == "两边对") return [](int h, int t, int u) { return h == u && t != h; };
  const std::vector<std::string> words = Characters(caption);
  return [words](int h, int t, int u) {
    return InWordClass(words.at(0), h) && InWordClass(words.at(1), t) &&
           InWordClass(words.at(2), u);
  };
}

Condition PositionCondition(int position, const std::string& caption) {
  const bool digit = caption.size() == 1;
  return [=](int h, int t, int u) {
    const int value = position == 0 ? h : position == 1 ? t : u;
    return digit ? value == TextToInt(caption) : InWordClass(caption, value);
  };
}

Condition ConditionOf(const std::string& name) {
  static const std::string kPrefix = "选择框_三星_";
  const std::string rest = name.substr(kPrefix.size());
  const size_t cut = rest.find('_');
  const std::string key = rest.substr(0, cut);
  const std::string caption = rest.substr(cut + 1);
  const int value = TextToInt(caption);
  if (key == "胆")
    return [=](int h, int t, int u) { return h == value || t == value || u == value; };
  if (key == "百") return PositionCondition(0, caption);
  if (key == "十") return PositionCondition(1, caption);
  if (key == "个") return PositionCondition(2, caption);
  if (key == "和") return [=](int h, int t, int u) { return h + t + u == value; };
  if (key == "跨") {
    return [=](int h, int t, int u) {
      std::vector<int32_t> digits = {h, t, u};
      SortIntegers(digits);
      return digits[MemberCount(digits) - 1] - digits[0] == value;
    };
  }
  if (key == "组合") return PatternCondition(caption);
  throw std::logic_error("no such box: " + name);
}

void Walk(const Condition& condition, const std::function<void(const std::string&)>& step) {
  for (int h = 0; h <= 9; ++h) {
    for (int t = 0; t <= 9; ++t) {
      for (int u = 0; u <= 9; ++u) {
        if (condition(h, t, u)) step(MakeEntry(h, t, u));
      }
    }
  }
}

}  // namespace

void GenerateBaseLiterally(const TickSet& ticks, BaseBox& box) {
  const std::vector<GenerationBox>& boxes = GenerationBoxes();
  ClearBase(box);
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (ticks[i] && boxes[i].role == BoxRole::kBanker) {
      Walk(ConditionOf(boxes[i].name), [&](const std::string& entry) { AppendEntry(box, entry); });
    }
  }
  if (CompareTexts(box.text, "") == 0) FillBase(box);
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (ticks[i] && boxes[i].role == BoxRole::kKill) {
      Walk(ConditionOf(boxes[i].name), [&](const std::string& entry) { RemoveEntry(box, entry); });
    }
  }
  RefreshCount(box);
}

}  // namespace lirex
