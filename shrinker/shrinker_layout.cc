#include "shrinker/shrinker_layout.h"

#include <array>
#include <stdexcept>

#include "shrinker/generation_boxes.h"
#include "shrinker/pattern_kills.h"

namespace lirex {
namespace {

// The group box that holds each key's check boxes.
struct CheckGroup {
  const char* key;
  const char* group_box;
};

constexpr std::array<CheckGroup, 7> kCheckGroups = {{
    {"胆", "分组框2"},
    {"百", "分组框7"},
    {"十", "分组框3"},
    {"个", "分组框4"},
    {"跨", "分组框5"},
    {"和", "分组框6"},
    {"组合", "分组框14"},
}};

constexpr std::array<int, 7> kClassBoxLefts = {12, 52, 92, 160, 200, 271, 311};
constexpr std::array<int, 5> kWordGridLefts = {14, 93, 172, 251, 332};
constexpr std::array<int, 4> kWordGridTops = {76, 94, 115, 133};

bool IsNumber(const std::string& caption) {
  return caption.find_first_not_of("0123456789") == std::string::npos;
}

QRect SumBox(int sum) {
  if (sum < 10) return {13 + 38 * sum, 18, 25, 16};
  return {13 + 38 * (sum % 10), sum < 20 ? 36 : 54, 34, 16};
}

// The 27 road boxes in three rows of nine, then the 4 × 4 word grid, then its fifth column.
QRect PatternBox(size_t index) {
  if (index < 27) {
    const int a = static_cast<int>(index) / 9;
    const int bc = static_cast<int>(index) % 9;
    return {14 + 42 * bc, 19 + 18 * a, 40, 16};
  }
  if (index < 43) {
    const size_t cell = index - 27;
    return {kWordGridLefts[cell % 4], kWordGridTops[cell / 4], 56, 16};
  }
  return {kWordGridLefts[4], kWordGridTops[index - 43], 56, 16};
}

QRect CheckBoxGeometry(const std::string& key, const std::string& caption, size_t pattern_index) {
  if (key == "组合") return PatternBox(pattern_index);
  if (key == "和") return SumBox(std::stoi(caption));
  if (IsNumber(caption)) return {12 + 37 * std::stoi(caption), 18, 25, 16};
  for (size_t i = 0; i < kClassBoxLefts.size(); ++i) {
    if (caption == kPositionClasses[i].caption) return {kClassBoxLefts[i], 36, 40, 16};
  }
  throw std::logic_error("no place for check box " + caption);
}

void AddCheckBoxes(std::vector<ControlRow>& rows) {
  const std::string prefix = "选择框_三星_";
  size_t pattern_index = 0;
  for (const GenerationBox& box : GenerationBoxes()) {
    const std::string rest = box.name.substr(prefix.size());
    const std::string key = rest.substr(0, rest.find('_'));
    const char* group = nullptr;
    for (const CheckGroup& check_group : kCheckGroups) {
      if (key == check_group.key) group = check_group.group_box;
    }
    if (group == nullptr) throw std::logic_error("no group for " + box.name);
    rows.push_back({box.name, ControlKind::kCheckBox, group,
                    CheckBoxGeometry(key, box.caption, pattern_index), box.caption});
    if (key == "组合") ++pattern_index;
  }
}

std::vector<ControlRow> BuildLayout() {
  std::vector<ControlRow> rows = {
      {"超文本浏览框_广告", ControlKind::kWebView, "", {5, 5, 635, 64}, ""},
      {"标签6",
       ControlKind::kLabel,
       "",
       {5, 74, 406, 32},
       "本大底制作，用定胆来生成大底，用杀码来缩水！"},
      {"外形框4", ControlKind::kFrame, "", {412, 74, 230, 32}, ""},
      {"超级按钮_三星_清空大底", ControlKind::kPushButton, "外形框4", {2, 2, 75, 28}, "清空大底"},
      {"超级按钮_三星_生成大底", ControlKind::kPushButton, "外形框4", {78, 2, 75, 28}, "生成大底"},
      {"超级按钮_三星_复制大底", ControlKind::kPushButton, "外形框4", {153, 2, 75, 28}, "复制大底"},
      {"分组框2", ControlKind::kGroupBox, "", {5, 105, 406, 40}, "定胆码"},
      {"分组框7", ControlKind::kGroupBox, "", {5, 153, 406, 58}, "杀百位"},
      {"分组框3", ControlKind::kGroupBox, "", {5, 219, 406, 58}, "杀十位"},
      {"分组框4", ControlKind::kGroupBox, "", {5, 285, 406, 58}, "杀个位"},
      {"分组框5", ControlKind::kGroupBox, "", {5, 349, 406, 40}, "杀跨度"},
      {"分组框6", ControlKind::kGroupBox, "", {5, 397, 406, 76}, "杀和值"},
      {"分组框14", ControlKind::kGroupBox, "", {5, 482, 406, 155}, "杀组合"},
      {"编辑框_三星_大底", ControlKind::kMultiLineEdit, "", {412, 111, 230, 470}, ""},
      {"标签7", ControlKind::kLabel, "", {414, 584, 60, 24}, "查询中奖："},
      {"编辑框_三星_查询奖号", ControlKind::kLineEdit, "", {478, 584, 101, 24}, ""},
      {"超级按钮_三星_查询中奖", ControlKind::kPushButton, "", {584, 584, 58, 24}, "查 询"},
      {"标签_三星_统计", ControlKind::kLabel, "", {412, 611, 230, 25}, "当前直选大底注数：0注"},
  };
  AddCheckBoxes(rows);
  return rows;
}

}  // namespace

const std::vector<ControlRow>& ShrinkerLayout() {
  static const std::vector<ControlRow> rows = BuildLayout();
  return rows;
}

}  // namespace lirex
