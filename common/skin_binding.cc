#include "common/skin_binding.h"

#include "common/library_binding.h"

namespace lirex {

int SkinH_AttachEx(const std::string& skin_path, const std::string& password) {
  static auto* routine =
      BoundRoutine<int(const char*, const char*)>(kSkinLibraryFile, "SkinH_AttachEx");
  return routine(skin_path.c_str(), password.c_str());
}

int SkinH_AttachRes(const unsigned char* data, int size, const std::string& password, int reserved1,
                    int reserved2, int reserved3) {
  static auto* routine = BoundRoutine<int(const unsigned char*, int, const char*, int, int, int)>(
      kSkinLibraryFile, "SkinH_AttachRes");
  return routine(data, size, password.c_str(), reserved1, reserved2, reserved3);
}

int SkinH_SetAero(int enable) {
  static auto* routine = BoundRoutine<int(int)>(kSkinLibraryFile, "SkinH_SetAero");
  return routine(enable);
}

}  // namespace lirex
