#include "common/library_binding.h"

#include <dlfcn.h>

#include <map>

#include "common/fatal_error.h"
#include "common/gbk.h"
#include "common/platform.h"
#include "common/shared_object_check.h"
#include "common/text_ops.h"

namespace lirex {
namespace {

void* OpenLibrary(const std::string& library_file) {
  static std::map<std::string, void*> libraries;
  if (auto found = libraries.find(library_file); found != libraries.end()) return found->second;
  // A truncated library beside the program would fault inside the loader: it counts as absent
  // there, and the system's search goes on.
  const std::string beside = FileBesideProgram(library_file);
  void* handle =
      IsCompleteSharedObjectFile(beside) ? dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (handle == nullptr) handle = dlopen(library_file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle != nullptr) libraries.emplace(library_file, handle);
  return handle;
}

[[noreturn]] void RoutineNotFound(const std::string& library_file, const std::string& routine) {
  FatalErrorBox(std::nullopt, JoinTexts({Gbk("无法找到指定DLL库文件“"), library_file,
                                         Gbk("”中的输出命令“"), routine, Gbk("”")}));
}

}  // namespace

void* BindRoutine(const std::string& library_file, const std::string& routine) {
  void* library = OpenLibrary(library_file);
  if (library == nullptr) RoutineNotFound(library_file, routine);
  void* address = dlsym(library, routine.c_str());
  if (address == nullptr) RoutineNotFound(library_file, routine);
  return address;
}

}  // namespace lirex
