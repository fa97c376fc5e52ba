// The base: a text of four-byte entries such as "705 " held by the base box, the count label
// under it, and the operations that read and rewrite them.
#ifndef LIREX_SHRINKER_BASE_TEXT_H_
#define LIREX_SHRINKER_BASE_TEXT_H_

#include <string>
#include <string_view>

namespace lirex {

inline constexpr int kNumberCount = 1000;

// The contents of the base box and the count label, GBK texts both.
struct BaseBox {
  std::string text;
  std::string count_label;
};

// The label's caption before the first count is written.
const std::string& InitialCountCaption();

// "当前大底注数：N注".
std::string CountCaption(int entries);

// The entry text of the number with digits (h, t, u), built from the digits' texts.
std::string MakeEntry(int h, int t, int u);

// The entry text of number 0 to 999, from a table built once.
std::string_view EntryOf(int number);

void ClearBase(BaseBox& box);
void AppendEntry(BaseBox& box, std::string_view entry);
void RemoveEntry(BaseBox& box, std::string_view entry);
void FillBase(BaseBox& box);
void RefreshCount(BaseBox& box);

}  // namespace lirex

#endif  // LIREX_SHRINKER_BASE_TEXT_H_
