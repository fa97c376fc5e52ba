// Windows with a fixed layout are built from a table: one row per control, parents before their
// children, each control carrying its row's name as its object name.
#ifndef LIREX_COMMON_CONTROL_TABLE_H_
#define LIREX_COMMON_CONTROL_TABLE_H_

#include <QRect>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QString;
class QUrl;
class QWidget;

namespace lirex {

enum class ControlKind {
  kPushButton,
  kLabel,
  kFrame,
  kGroupBox,
  kCheckBox,
  kLineEdit,       // single line
  kMultiLineEdit,  // plain text, no scroll bars unless the window adds them
  kHyperlink,      // caption is the link text; the window sets the address with SetHyperlinkAddress
  kPicture,
  kWebView,  // the window makes it
};

struct ControlRow {
  std::string name;  // object name, UTF-8
  ControlKind kind;
  std::string parent;   // empty for the window itself
  QRect geometry;       // in the parent's client coordinates
  std::string caption;  // UTF-8
};

// Makes a control for a row, or returns nullptr to have the kind's plain control made.
using ControlMaker = std::function<QWidget*(const ControlRow& row, QWidget* parent)>;

// The controls by name.
using Controls = std::map<std::string, QWidget*>;

// The size of a control's face where its window gives none (the platform's default GUI font).
inline constexpr double kDefaultPointSize = 9;

// Each control gets its row's name, place and caption, and a fixed face: 宋体 at
// kDefaultPointSize unless `make` gave it one.
Controls BuildControls(QWidget* window, const std::vector<ControlRow>& rows,
                       const ControlMaker& make = {});

// Rich text that shows `caption` as a link to `url`.
QString HyperlinkText(const QUrl& url, const QString& caption);

// Makes a hyperlink control's caption open `url` in the system's web browser.
void SetHyperlinkAddress(QWidget* link, const QUrl& url);

}  // namespace lirex

#endif  // LIREX_COMMON_CONTROL_TABLE_H_
