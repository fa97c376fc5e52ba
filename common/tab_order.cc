#include "common/tab_order.h"

#include <QWidget>
#include <algorithm>
#include <tuple>
#include <vector>

#include "common/web_view_slot.h"

namespace lirex {
namespace {

// Controls whose tops differ by less than this share a row (a label and the box beside it).
constexpr int kRowTolerance = 6;

bool InsideWebView(const QWidget* widget, const QWidget* window) {
  for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    if (qobject_cast<const WebViewSlot*>(w) != nullptr) return true;
  }
  return false;
}

}  // namespace

void SetReadingTabOrder(QWidget* window, int right_column_left) {
  struct Place {
    int column;
    int top;
    int left;
    QWidget* widget;
  };
  std::vector<Place> places;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if ((widget->focusPolicy() & Qt::TabFocus) == 0 || InsideWebView(widget, window)) continue;
    const QPoint at = widget->mapTo(window, QPoint(0, 0));
    places.push_back({at.x() >= right_column_left ? 1 : 0, at.y(), at.x(), widget});
  }
  const auto by_column_and_top = [](const Place& a, const Place& b) {
    return std::tie(a.column, a.top, a.left) < std::tie(b.column, b.top, b.left);
  };
  std::sort(places.begin(), places.end(), by_column_and_top);
  // A row starts at its highest control and takes those a few pixels lower.
  for (size_t i = 0, row_start = 0; i < places.size(); ++i) {
    if (places[i].column != places[row_start].column ||
        places[i].top - places[row_start].top >= kRowTolerance) {
      row_start = i;
    }
    places[i].top = places[row_start].top;
  }
  std::sort(places.begin(), places.end(), by_column_and_top);
  for (size_t i = 1; i < places.size(); ++i) {
    QWidget::setTabOrder(places[i - 1].widget, places[i].widget);
  }
}

}  // namespace lirex
