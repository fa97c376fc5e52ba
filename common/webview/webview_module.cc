// The browser engine behind WebViewSlot, kept out of the programs' link line and loaded at run
// time after the first paint.
#include <unistd.h>

#include <QUrl>
#include <QWebEngineView>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// The five text sizes, smallest to largest.
constexpr std::array<double, 5> kZoomFactors = {0.7, 0.85, 1.0, 1.15, 1.3};

// Chromium reads its switches when the engine first starts, which is here.
void PrepareEngine() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  if (geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr) {
    std::fputs("Running as root: the browser engine's sandbox cannot start and is turned off.\n",
               stderr);
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
  }
  // An advertisement view has no use for the browser's own background traffic.
  if (std::getenv("QTWEBENGINE_CHROMIUM_FLAGS") == nullptr) {
    setenv("QTWEBENGINE_CHROMIUM_FLAGS",
           "--disable-background-networking --disable-component-update --disable-sync", 1);
  }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) QWidget* LirexCreateWebView(QWidget* parent,
                                                                              const char* url,
                                                                              int text_zoom_level) {
  PrepareEngine();
  auto* view = new QWebEngineView(parent);
  const size_t level = text_zoom_level >= 0 && text_zoom_level < 5 ? text_zoom_level : 2;
  view->setZoomFactor(kZoomFactors[level]);
  view->load(QUrl(QString::fromUtf8(url)));
  return view;
}

extern "C" __attribute__((visibility("default"))) void LirexNavigateWebView(QWidget* view,
                                                                            const char* url) {
  if (auto* web_view = qobject_cast<QWebEngineView*>(view))
    web_view->load(QUrl(QString::fromUtf8(url)));
}
