// The library check on any bytes, against a second reading of the ELF fields by their offsets.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/shared_object_check.h"

namespace {

uint64_t Field(std::string_view image, size_t offset, size_t width) {
  uint64_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    value |= uint64_t{static_cast<unsigned char>(image[offset + i])} << (8 * i);
  }
  return value;
}

// ELF64, little-endian, ET_DYN; program headers of 56 bytes at e_phoff; each PT_LOAD (1) and
// PT_DYNAMIC (2) with p_offset at +8 and p_filesz at +32 inside the image; at least one PT_LOAD.
bool Expected(std::string_view image) {
  if (image.size() < 64 ||
      image.substr(0, 4) !=
          "\x7f"
          "ELF" ||
      image[4] != 2 || image[5] != 1 || Field(image, 16, 2) != 3 || Field(image, 54, 2) != 56) {
    return false;
  }
  const uint64_t table = Field(image, 32, 8);
  const uint64_t count = Field(image, 56, 2);
  if (count == 0 || table > image.size() || count * 56 > image.size() - table) return false;
  bool loads = false;
  for (uint64_t i = 0; i < count; ++i) {
    const size_t header = static_cast<size_t>(table + i * 56);
    const uint64_t type = Field(image, header, 4);
    if (type != 1 && type != 2) continue;
    const uint64_t offset = Field(image, header + 8, 8);
    const uint64_t length = Field(image, header + 32, 8);
    if (offset > image.size() || length > image.size() - offset) return false;
    loads |= type == 1;
  }
  return loads;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view image(reinterpret_cast<const char*>(bytes), size);
  if (lirex::IsCompleteSharedObject(image) != Expected(image)) std::abort();
  return 0;
}
