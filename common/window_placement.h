// Where top-level windows open on the screen.
#ifndef LIREX_COMMON_WINDOW_PLACEMENT_H_
#define LIREX_COMMON_WINDOW_PLACEMENT_H_

#include <QSize>

class QWidget;

namespace lirex {

// Left = (screen width − outer width) / 2, top likewise, for a window whose outer size (frame
// included) is `outer`.
void CenterOnScreen(QWidget* window, QSize outer);

}  // namespace lirex

#endif  // LIREX_COMMON_WINDOW_PLACEMENT_H_
