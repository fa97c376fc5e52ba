// Puts a parsed skin on the running application: the Fusion style, a palette and a style sheet.
#ifndef LIREX_SKIN_SKIN_STYLE_H_
#define LIREX_SKIN_SKIN_STYLE_H_

#include <QPalette>
#include <QString>

#include "skin/skin_format.h"

namespace lirex::skin {

QPalette PaletteOf(const Skin& skin);

// With `aero`, buttons and group boxes get a glassy gradient.
QString StyleSheetOf(const Skin& skin, bool aero);

// False when there is no QApplication to dress.
bool ApplySkin(const Skin& skin, bool aero);

}  // namespace lirex::skin

#endif  // LIREX_SKIN_SKIN_STYLE_H_
