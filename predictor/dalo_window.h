// What Dalo's four windows share: their frame (fixed or resizable, minimise and close but no
// maximise, with or without a taskbar button), Esc to close where wanted, dragging by the
// background, and titles that end with the Tovan host.
#ifndef LIREX_PREDICTOR_DALO_WINDOW_H_
#define LIREX_PREDICTOR_DALO_WINDOW_H_

#include <QPoint>
#include <QSize>
#include <QUrl>
#include <QWidget>
#include <optional>

namespace lirex {

// Where the calculator, betting-plan and draw-video windows open: their outer top-left corner.
inline constexpr QPoint kSecondaryWindowPlace(50, 50);

struct WindowFrame {
  QSize client;  // the client area that holds the whole layout
  bool fixed_size;
  bool taskbar_button;
  bool closes_on_escape;
};

class DaloWindow : public QWidget {
  Q_OBJECT

 public:
  DaloWindow(const QString& object_name, const QString& title_prefix, const WindowFrame& frame);

 protected:
  // Esc reaches the window whatever child has the focus, an embedded web view's window included.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The first time: Tab goes through the controls in reading order.
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool closes_on_escape_;
  bool tab_order_set_ = false;
  std::optional<QPoint> drag_offset_;
};

// "http://" + the Tovan host + path.
QUrl TovanUrl(const char* path);
QString TovanHost();

}  // namespace lirex

#endif  // LIREX_PREDICTOR_DALO_WINDOW_H_
