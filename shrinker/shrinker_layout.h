// The shrinker window's fixed layout: one row per control, parents before their children.
#ifndef LIREX_SHRINKER_SHRINKER_LAYOUT_H_
#define LIREX_SHRINKER_SHRINKER_LAYOUT_H_

#include <vector>

#include "common/control_table.h"

namespace lirex {

// The smallest client area that holds the whole layout.
inline constexpr int kShrinkerClientWidth = 648;
inline constexpr int kShrinkerClientHeight = 640;
// The outer size with the frame, where the window manager's frame allows it.
inline constexpr int kShrinkerOuterWidth = 654;
inline constexpr int kShrinkerOuterHeight = 670;

const std::vector<ControlRow>& ShrinkerLayout();

}  // namespace lirex

#endif  // LIREX_SHRINKER_SHRINKER_LAYOUT_H_
