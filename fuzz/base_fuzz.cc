// The base operations, the look-up and the copy on any base and query, through the GBK
// boundary as the window hands them over.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdlib>

#include "common/gbk.h"
#include "common/text_ops.h"
#include "fuzz/text_ops_reference.h"
#include "shrinker/base_text.h"
#include "shrinker/winning_check.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

bool IsMadeOfWholeCharacters(const std::string& gbk) {
  for (size_t pos = 0; pos < gbk.size(); ++pos) {
    if (static_cast<unsigned char>(gbk[pos]) >= 0x80 && ++pos >= gbk.size()) return false;
  }
  return true;
}

bool IsThreeAsciiDigits(const QString& query) {
  return query.size() == 3 &&
         std::all_of(query.begin(), query.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int number = data.ConsumeIntegralInRange<int>(0, 999);
  const bool as_utf16 = data.ConsumeBool();
  const std::string raw_query = data.ConsumeRandomLengthString(8);
  const std::string raw_base = data.ConsumeRemainingBytesAsString();
  const QString query = QString::fromUtf8(raw_query);
  const QString base = as_utf16 ? QString(reinterpret_cast<const QChar*>(raw_base.data()),
                                          static_cast<qsizetype>(raw_base.size() / 2))
                                : QString::fromUtf8(raw_base);
  const std::string base_gbk = lirex::ToGbk(base);
  const std::string query_gbk = lirex::ToGbk(query);
  Check(IsMadeOfWholeCharacters(base_gbk) && IsMadeOfWholeCharacters(query_gbk));

  // ASCII digits cross the boundary as themselves, and no other character's bytes look like
  // one, so the look-up finds exactly what the box shows.
  const std::string message = lirex::CheckWinningNumber(base_gbk, query_gbk);
  std::string expected;
  if (base_gbk.empty()) {
    expected = lirex::Gbk("没有大底！");
  } else if (query_gbk.empty()) {
    expected = lirex::Gbk("没有输入三位开奖号");
  } else if (!IsThreeAsciiDigits(query)) {
    expected = lirex::Gbk("输入的开奖号应为三位数");
  } else {
    expected = base.contains(query) ? lirex::Gbk("有中奖！") : lirex::Gbk("没中奖！");
  }
  Check(message == expected);
  Check(lirex::CopyBase(base_gbk).clipboard_text == base_gbk);

  const std::string entry(lirex::EntryOf(number));
  lirex::BaseBox box{base_gbk, lirex::InitialCountCaption()};
  lirex::AppendEntry(box, entry);
  Check(lirex::FindText(box.text, entry) != -1);
  Check(box.text == base_gbk || box.text == base_gbk + entry);
  lirex::AppendEntry(box, entry);
  Check(box.text == base_gbk || box.text == base_gbk + entry);
  // One left-to-right pass: removing "243 " from "2243 243 " leaves a new "243 ", as the
  // removal of a hand-typed text does.
  const std::string before_removal = box.text;
  lirex::RemoveEntry(box, entry);
  Check(box.text == lirex::reference::ReplaceText(before_removal, entry, "", {}, {}, true));
  Check(IsMadeOfWholeCharacters(box.text));
  lirex::RefreshCount(box);
  // The label tells what the box holds, 0 included.
  Check(box.count_label ==
        lirex::CountCaption(static_cast<int>(lirex::SplitText(box.text, " ").size())));
  return 0;
}
