// The shrinker window's fixed layout: one row per control, parents before their children.
#ifndef LIREX_SHRINKER_SHRINKER_LAYOUT_H_
#define LIREX_SHRINKER_SHRINKER_LAYOUT_H_

#include <QRect>
#include <string>
#include <vector>

namespace lirex {

enum class ControlKind {
  kWebView,
  kLabel,
  kFrame,
  kPushButton,
  kGroupBox,
  kCheckBox,
  kBaseBox,
  kQueryBox
};

struct ControlRow {
  std::string name;  // object name, UTF-8
  ControlKind kind;
  std::string parent;   // empty for the window itself
  QRect geometry;       // in the parent's client coordinates
  std::string caption;  // UTF-8
};

// The smallest client area that holds the whole layout.
inline constexpr int kShrinkerClientWidth = 648;
inline constexpr int kShrinkerClientHeight = 640;
// The outer size with the frame, where the window manager's frame allows it.
inline constexpr int kShrinkerOuterWidth = 654;
inline constexpr int kShrinkerOuterHeight = 670;

const std::vector<ControlRow>& ShrinkerLayout();

}  // namespace lirex

#endif  // LIREX_SHRINKER_SHRINKER_LAYOUT_H_
