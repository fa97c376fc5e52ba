// Whether a file is a shared object that the dynamic loader can map whole. A truncated library
// passes the loader's own checks and then faults when a mapped page past its end is touched.
#ifndef LIREX_COMMON_SHARED_OBJECT_CHECK_H_
#define LIREX_COMMON_SHARED_OBJECT_CHECK_H_

#include <string>
#include <string_view>

namespace lirex {

// An ELF shared object of this program's class and byte order whose program headers and
// loadable segments all lie inside `image`.
bool IsCompleteSharedObject(std::string_view image);

// The same for the regular file at `path`, read without blocking; false for anything else.
bool IsCompleteSharedObjectFile(const std::string& path);

}  // namespace lirex

#endif  // LIREX_COMMON_SHARED_OBJECT_CHECK_H_
