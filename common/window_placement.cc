#include "common/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lirex {

QPoint CenteredWithin(const QRect& area, QSize outer) {
  const int left = area.x() + (area.width() - outer.width()) / 2;
  const int top = area.y() + (area.height() - outer.height()) / 2;
  return {std::max(area.left(), std::min(left, area.x() + area.width() - outer.width())),
          std::max(area.top(), std::min(top, area.y() + area.height() - outer.height()))};
}

void CenterOnScreen(QWidget* window, QSize outer) {
  window->move(CenteredWithin(window->screen()->availableGeometry(), outer));
}

}  // namespace lirex
