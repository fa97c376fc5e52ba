#include "predictor/skin_setup.h"

#include <vector>

#include "common/platform.h"
#include "common/shared_object_check.h"
#include "common/skin_binding.h"
#include "predictor/carried_data.h"

namespace lirex {

void DropSkinLibraryInto(const std::string& directory) {
  const std::string path = directory + kPathSeparator + kSkinLibraryFile;
  // A file that the loader cannot map whole (a truncated copy, say) is no library: it would
  // fault at every start, so it is replaced. Any other entry of that name is left alone.
  if (DirectoryEntryExists(path) && (!IsRegularFile(path) || IsCompleteSharedObjectFile(path))) {
    return;
  }
  const QByteArray image = SkinLibraryImage();
  WriteWholeFile(path, std::string_view(image.constData(), static_cast<size_t>(image.size())));
  SetFileHidden(path);
}

void DropSkinLibrary() { DropSkinLibraryInto(RunDirectory()); }

void AttachCarriedSkin(int number) {
  DropSkinLibrary();
  const QByteArray skin = CarriedSkin(number);
  const std::vector<unsigned char> copy(skin.begin(), skin.end());
  SkinH_AttachRes(copy.empty() ? nullptr : copy.data(), static_cast<int>(copy.size()), "", 0, 0, 0);
}

void SkinSetup() {
  AttachCarriedSkin(kAttachedSkin);
  DropSkinLibrary();
  SkinH_SetAero(1);
}

}  // namespace lirex
