// The banker-number calculation: the last draw's digits times 133, as text.
#ifndef LIREX_PREDICTOR_BANKER_NUMBER_H_
#define LIREX_PREDICTOR_BANKER_NUMBER_H_

#include <string>
#include <string_view>

namespace lirex {

// `input` is the calculator's input text (GBK); the result is the text for its output box.
std::string ComputeBankerNumber(std::string_view input);

}  // namespace lirex

#endif  // LIREX_PREDICTOR_BANKER_NUMBER_H_
