#include "common/shared_object_check.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace lirex {
namespace {

// Larger than any library the programs load; a larger file is not read.
constexpr off_t kLargestLibrary = off_t{256} << 20;

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
  // O_NONBLOCK: a named pipe of that name must not hold the program up.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status;
  std::string image;
  bool read_whole = false;
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kLargestLibrary) {
    image.resize(static_cast<size_t>(status.st_size));
    size_t done = 0;
    while (done < image.size()) {
      const ssize_t got = read(fd, image.data() + done, image.size() - done);
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    read_whole = done == image.size();
  }
  close(fd);
  return read_whole && IsCompleteSharedObject(image);
}

}  // namespace lirex
