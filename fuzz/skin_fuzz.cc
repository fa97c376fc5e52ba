// The skin file parser on any bytes; whatever it accepts survives an encode and decode unchanged.
#include <cstdlib>
#include <string>

#include "skin/skin_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  for (const std::optional<lirex::skin::Skin>& skin :
       {lirex::skin::ParseSkin(input), lirex::skin::ParseSkinBody(input)}) {
    if (!skin) continue;
    const std::string encoded = lirex::skin::EncodeSkin(*skin);
    const std::optional<lirex::skin::Skin> again = lirex::skin::ParseSkin(encoded);
    if (!again || lirex::skin::EncodeSkin(*again) != encoded) std::abort();
    if (skin->radius < 0 || skin->radius > 12) std::abort();
  }
  return 0;
}
