#include "common/shared_object_check.h"

#include <elf.h>
#include <link.h>

#include <cstring>

#include "common/platform.h"

namespace lirex {
namespace {

// Larger than any library the programs load; a larger file is not read.
constexpr size_t kLargestLibrary = size_t{256} << 20;

bool InsideImage(uint64_t offset, uint64_t length, size_t image_size) {
  return offset <= image_size && length <= image_size - offset;
}

}  // namespace

bool IsCompleteSharedObject(std::string_view image) {
  ElfW(Ehdr) header;
  if (image.size() < sizeof header) return false;
  std::memcpy(&header, image.data(), sizeof header);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != (sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32) ||
      header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_type != ET_DYN ||
      header.e_phentsize != sizeof(ElfW(Phdr)) || header.e_phnum == 0) {
    return false;
  }
  if (!InsideImage(header.e_phoff, uint64_t{header.e_phnum} * sizeof(ElfW(Phdr)), image.size())) {
    return false;
  }
  bool loads_something = false;
  for (size_t i = 0; i < header.e_phnum; ++i) {
    ElfW(Phdr) segment;
    std::memcpy(&segment, image.data() + header.e_phoff + i * sizeof segment, sizeof segment);
    if (segment.p_type != PT_LOAD && segment.p_type != PT_DYNAMIC) continue;
    if (!InsideImage(segment.p_offset, segment.p_filesz, image.size())) return false;
    loads_something |= segment.p_type == PT_LOAD;
  }
  return loads_something;
}

bool IsCompleteSharedObjectFile(const std::string& path) {
  const std::optional<std::string> image = ReadRegularFile(path, kLargestLibrary);
  return image && IsCompleteSharedObject(*image);
}

}  // namespace lirex
