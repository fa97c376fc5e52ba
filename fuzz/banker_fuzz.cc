// The calculator's computation on any input text: the text's integer (wrapped to 32 bits) times
// 133, written in full.
#include <cstdlib>
#include <string>

#include "fuzz/text_ops_reference.h"
#include "predictor/banker_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  const int64_t product = int64_t{lirex::reference::TextToInt(input)} * 133;
  if (lirex::ComputeBankerNumber(input) != lirex::reference::Int64ToText(product)) std::abort();
  return 0;
}
