#include "shrinker/winning_check.h"

#include <algorithm>

#include "common/gbk.h"
#include "common/text_ops.h"

namespace lirex {
namespace {

bool IsThreeDigits(std::string_view query) {
  return TextLength(query) == 3 &&
         std::all_of(query.begin(), query.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string CheckWinningNumber(std::string_view base_text, std::string_view query_text) {
  if (CompareTexts(base_text, "") == 0) return Gbk("没有大底！");
  if (CompareTexts(query_text, "") == 0) return Gbk("没有输入三位开奖号");
  if (!IsThreeDigits(query_text)) return Gbk("输入的开奖号应为三位数");
  return FindText(base_text, query_text) != -1 ? Gbk("有中奖！") : Gbk("没中奖！");
}

CopyResult CopyBase(std::string_view base_text) {
  return {std::string(base_text), Gbk("生成的大底已复制！")};
}

}  // namespace lirex
