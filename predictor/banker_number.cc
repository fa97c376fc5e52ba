#include "predictor/banker_number.h"

#include "common/text_ops.h"

namespace lirex {

// Every product of a 32-bit integer and 133 is an integer below 2^53, so the double is exact.
std::string ComputeBankerNumber(std::string_view input) {
  return RealToText(TextToInt(input) * 133.0);
}

}  // namespace lirex
