// The look-up of a drawn number in the base (查 询) and the copy of the base (复制大底): what
// each shows and what the copy hands to the clipboard.
#ifndef LIREX_SHRINKER_WINNING_CHECK_H_
#define LIREX_SHRINKER_WINNING_CHECK_H_

#include <string>
#include <string_view>

namespace lirex {

// The message to show (GBK) for the base and query texts as they stand, nothing trimmed.
std::string CheckWinningNumber(std::string_view base_text, std::string_view query_text);

struct CopyResult {
  std::string clipboard_text;  // the base text's bytes, unchanged
  std::string message;
};

CopyResult CopyBase(std::string_view base_text);

}  // namespace lirex

#endif  // LIREX_SHRINKER_WINNING_CHECK_H_
