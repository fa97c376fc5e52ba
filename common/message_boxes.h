// What the programs' message boxes share with the platform the programs come from: Qt's own
// texts in Chinese (确定, not OK) and a width that shows the box's title in its title bar.
#ifndef LIREX_COMMON_MESSAGE_BOXES_H_
#define LIREX_COMMON_MESSAGE_BOXES_H_

class QMessageBox;

namespace lirex {

// The narrowest a box is made: its title, the window manager's buttons and icon fit.
inline constexpr int kMessageBoxMinimumWidth = 220;

// Loads Qt's Simplified Chinese texts into the running application, once; without Qt's
// translations installed the texts stay English.
void UseChineseQtTexts();

// Widens the box to kMessageBoxMinimumWidth.
void WidenForTitle(QMessageBox& box);

}  // namespace lirex

#endif  // LIREX_COMMON_MESSAGE_BOXES_H_
