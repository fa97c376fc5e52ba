#include "shrinker/base_text.h"

#include "common/gbk.h"
#include "common/text_ops.h"

namespace lirex {

const std::string& InitialCountCaption() {
  static const std::string caption = Gbk("当前直选大底注数：0注");
  return caption;
}

std::string CountCaption(int entries) {
  static const std::string head = Gbk("当前大底注数：");
  static const std::string tail = Gbk("注");
  return JoinTexts({head, IntToText(entries), tail});
}

std::string MakeEntry(int h, int t, int u) {
  return JoinTexts({IntToText(h), IntToText(t), IntToText(u), " "});
}

std::string_view EntryOf(int number) {
  static const std::string all_entries = [] {
    std::string entries;
    for (int n = 0; n < kNumberCount; ++n) entries += MakeEntry(n / 100, n / 10 % 10, n % 10);
    return entries;
  }();
  return std::string_view(all_entries).substr(static_cast<size_t>(number) * 4, 4);
}

void ClearBase(BaseBox& box) {
  box.text.clear();
  RefreshCount(box);
}

void AppendEntry(BaseBox& box, std::string_view entry) {
  if (FindText(box.text, entry) != -1) return;
  box.text = JoinTexts({box.text, entry});
}

void RemoveEntry(BaseBox& box, std::string_view entry) {
  if (FindText(box.text, entry) == -1) return;
  box.text = ReplaceText(box.text, entry, "");
}

void FillBase(BaseBox& box) {
  for (int h = 0; h <= 9; ++h) {
    for (int t = 0; t <= 9; ++t) {
      for (int u = 0; u <= 9; ++u) box.text = JoinTexts({MakeEntry(h, t, u), box.text});
    }
  }
  RefreshCount(box);
}

// The label always tells what the box holds, 0 included: a count left over from an earlier base
// would contradict the empty box.
void RefreshCount(BaseBox& box) {
  box.count_label = CountCaption(MemberCount(SplitText(box.text, " ")));
}

}  // namespace lirex
