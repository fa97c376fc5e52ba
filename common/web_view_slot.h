// A place in a window for an embedded web page. The browser engine lives in a module that is
// loaded only after the window's first paint, so the window never waits for it; where the module
// is missing the place shows a plain link to the address instead.
#ifndef LIREX_COMMON_WEB_VIEW_SLOT_H_
#define LIREX_COMMON_WEB_VIEW_SLOT_H_

#include <QRect>
#include <QUrl>
#include <QWidget>

class QLabel;

namespace lirex {

// The file name of the module, beside the program.
inline constexpr char kWebViewModule[] = "liblirex_webview.so";

class WebViewSlot : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool hasBrowser READ HasBrowser)
  Q_PROPERTY(QRect linkGeometry READ LinkGeometry)

 public:
  // The browser engine draws through an OpenGL context shared with the application's, which Qt
  // makes only when asked before the application exists. Call before making the application.
  static void PrepareApplication();

  // `text_zoom_level` runs from 0 (smallest) to 4 (largest); 2 is the normal size.
  WebViewSlot(const QUrl& url, int text_zoom_level, QWidget* parent);

  // Shows another page in the same place.
  void Navigate(const QUrl& url);
  QUrl Url() const { return url_; }
  // True while the browser engine shows the page, false while the place shows a link.
  bool HasBrowser() const;
  // Where the link shows, in the slot's coordinates; empty while there is none.
  QRect LinkGeometry() const;

  // The browser could not load the page: the link takes its place until the next Navigate.
  Q_INVOKABLE void PageFailed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LoadView();
  void ShowLink();
  // The part of the slot that its parents do not clip away: the link always lies there.
  QRect VisibleArea() const;

  QUrl url_;
  int text_zoom_level_;
  bool load_started_ = false;
  QWidget* view_ = nullptr;
  QLabel* link_ = nullptr;
};

}  // namespace lirex

#endif  // LIREX_COMMON_WEB_VIEW_SLOT_H_
