// Binds a library routine at its first call: the library beside the program first, then the
// system's search for the bare file name. Library and address stay until the program ends.
#ifndef LIREX_COMMON_LIBRARY_BINDING_H_
#define LIREX_COMMON_LIBRARY_BINDING_H_

#include <string>

namespace lirex {

// The routine's address, looked up anew at each call (callers keep it); a library or routine that
// cannot be found ends the program through FatalErrorBox. (On x86-64 there is one calling
// convention and the caller cleans up, so the stack check after a call that 32-bit builds need
// cannot fail here.)
void* BindRoutine(const std::string& library_file, const std::string& routine);

template <typename Function>
Function* BoundRoutine(const std::string& library_file, const std::string& routine) {
  return reinterpret_cast<Function*>(BindRoutine(library_file, routine));
}

}  // namespace lirex

#endif  // LIREX_COMMON_LIBRARY_BINDING_H_
