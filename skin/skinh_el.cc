// The skinning library's three exports. A skin that cannot be read or parsed is refused with 0
// and the application keeps its look; the library never keeps a caller's pointer.
#include <optional>
#include <string>

#include "common/platform.h"
#include "skin/skin_format.h"
#include "skin/skin_style.h"

#define SKINH_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::optional<lirex::skin::Skin> attached_skin;
bool aero = false;

int Attach(std::optional<lirex::skin::Skin> skin) {
  if (!skin || !lirex::skin::ApplySkin(*skin, aero)) return 0;
  attached_skin = std::move(skin);
  return 1;
}

}  // namespace

// The password is part of the routine's signature; our skins are not encrypted.
SKINH_EXPORT int SkinH_AttachEx(const char* skin_path, const char* /*password*/) {
  if (skin_path == nullptr) return 0;
  const std::optional<std::string> bytes =
      lirex::ReadRegularFile(skin_path, lirex::skin::kMaxSkinFileBytes);
  if (!bytes) return 0;
  return Attach(lirex::skin::ParseSkin(*bytes));
}

SKINH_EXPORT int SkinH_AttachRes(const unsigned char* data, int size, const char* /*password*/,
                                 int /*reserved1*/, int /*reserved2*/, int /*reserved3*/) {
  if (data == nullptr || size <= 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
  return Attach(lirex::skin::ParseSkin(bytes));
}

SKINH_EXPORT int SkinH_SetAero(int enable) {
  aero = enable != 0;
  if (attached_skin) lirex::skin::ApplySkin(*attached_skin, aero);
  return 1;
}
