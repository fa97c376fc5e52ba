// Tab order in reading order for a window of fixed layout: column by column, within a column
// row by row from the top, within a row from the left.
#ifndef LIREX_COMMON_TAB_ORDER_H_
#define LIREX_COMMON_TAB_ORDER_H_

#include <climits>

class QWidget;

namespace lirex {

// Chains every control of `window` that takes the focus by Tab, web views' insides excepted.
// Controls whose left edge lies at or right of `right_column_left` (window coordinates) form a
// second column, read after the first.
void SetReadingTabOrder(QWidget* window, int right_column_left = INT_MAX);

}  // namespace lirex

#endif  // LIREX_COMMON_TAB_ORDER_H_
