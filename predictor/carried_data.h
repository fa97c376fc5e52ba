// What Dalo carries inside itself, embedded at build time: the skinning library's file image (the
// library just built), 33 skins and the two betting-plan pictures.
#ifndef LIREX_PREDICTOR_CARRIED_DATA_H_
#define LIREX_PREDICTOR_CARRIED_DATA_H_

#include <QByteArray>

namespace lirex {

inline constexpr int kCarriedSkinCount = 33;

QByteArray SkinLibraryImage();

// Skin `number`, 1 to kCarriedSkinCount; empty for any other number.
QByteArray CarriedSkin(int number);

// Betting plan 1 or 2 as a JPEG file; empty for any other number.
QByteArray BettingPlanPicture(int number);

}  // namespace lirex

#endif  // LIREX_PREDICTOR_CARRIED_DATA_H_
