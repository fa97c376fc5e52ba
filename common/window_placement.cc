#include "common/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace lirex {

void CenterOnScreen(QWidget* window, QSize outer) {
  const QRect screen = window->screen()->geometry();
  window->move(screen.x() + (screen.width() - outer.width()) / 2,
               screen.y() + (screen.height() - outer.height()) / 2);
}

}  // namespace lirex
