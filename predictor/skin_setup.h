// Dalo's skin: it drops the skinning library beside itself when none is there and attaches one
// of the skins it carries.
#ifndef LIREX_PREDICTOR_SKIN_SETUP_H_
#define LIREX_PREDICTOR_SKIN_SETUP_H_

#include <string>

namespace lirex {

inline constexpr int kAttachedSkin = 6;

// Writes the carried library into `directory` unless an entry of its name is there already,
// other than a regular file that is not a complete shared object.
void DropSkinLibraryInto(const std::string& directory);

// DropSkinLibraryInto(RunDirectory()).
void DropSkinLibrary();

// Hands a fresh copy of carried skin `number` to SkinH_AttachRes (a null pointer and 0 outside
// 1 to 33) and frees it when the call returns.
void AttachCarriedSkin(int number);

// AttachCarriedSkin(6), DropSkinLibrary(), SkinH_SetAero(1).
void SkinSetup();

}  // namespace lirex

#endif  // LIREX_PREDICTOR_SKIN_SETUP_H_
