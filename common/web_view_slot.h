// A place in a window for an embedded web page. The browser engine lives in a module that is
// loaded only after the window's first paint, so the window never waits for it; where the module
// is missing the place shows a plain link to the address instead.
#ifndef LIREX_COMMON_WEB_VIEW_SLOT_H_
#define LIREX_COMMON_WEB_VIEW_SLOT_H_

#include <QUrl>
#include <QWidget>

class QLabel;

namespace lirex {

// The file name of the module, beside the program.
inline constexpr char kWebViewModule[] = "liblirex_webview.so";

class WebViewSlot : public QWidget {
  Q_OBJECT

 public:
  // `text_zoom_level` runs from 0 (smallest) to 4 (largest); 2 is the normal size.
  WebViewSlot(const QUrl& url, int text_zoom_level, QWidget* parent);

  // Shows another page in the same place.
  void Navigate(const QUrl& url);
  QUrl Url() const { return url_; }
  // True once the browser engine shows the page, false while the place shows a link.
  bool HasBrowser() const { return view_ != nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LoadView();
  void ShowLink();

  QUrl url_;
  int text_zoom_level_;
  bool load_started_ = false;
  QWidget* view_ = nullptr;
  QLabel* link_ = nullptr;
};

}  // namespace lirex

#endif  // LIREX_COMMON_WEB_VIEW_SLOT_H_
