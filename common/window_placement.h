// Where top-level windows open on the screen.
#ifndef LIREX_COMMON_WINDOW_PLACEMENT_H_
#define LIREX_COMMON_WINDOW_PLACEMENT_H_

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace lirex {

// The top-left corner that centres a frame of size `outer` in `area`, moved so that the whole
// frame lies in the area; a frame larger than the area keeps its top-left corner (and so its
// title bar) in it.
QPoint CenteredWithin(const QRect& area, QSize outer);

// Centres the window, whose outer size (frame included) is `outer`, within its screen's area
// left free by panels and docks.
void CenterOnScreen(QWidget* window, QSize outer);

}  // namespace lirex

#endif  // LIREX_COMMON_WINDOW_PLACEMENT_H_
