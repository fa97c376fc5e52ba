// Vonk's message box: titled "信息：", one OK button, no icon, modal to the whole program.
#ifndef LIREX_SHRINKER_SHOW_MESSAGE_H_
#define LIREX_SHRINKER_SHOW_MESSAGE_H_

#include <string_view>

namespace lirex {

// `text` is GBK. Returns when the user closes the box.
void ShowMessage(std::string_view text);

}  // namespace lirex

#endif  // LIREX_SHRINKER_SHOW_MESSAGE_H_
