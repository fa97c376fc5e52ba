// The browser engine behind WebViewSlot, kept out of the programs' link line and loaded at run
// time after the first paint.
#include <unistd.h>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QUrl>
#include <QWebEngineView>
#include <array>
#include <cstdio>
#include <cstdlib>

// Qt's own setter of the context that QOpenGLContext::globalShareContext() returns; exported by
// Qt GUI though not declared in its public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The five text sizes, smallest to largest.
constexpr std::array<double, 5> kZoomFactors = {0.7, 0.85, 1.0, 1.15, 1.3};

// The engine draws through a context shared with the application's. Qt makes that context while
// constructing the application when asked beforehand, but making it costs more than the whole
// window, so it is made here instead, when the first view is.
// The engine cannot start without it, so without it no view is made.
bool ShareOpenGLContexts() {
  if (QOpenGLContext::globalShareContext() != nullptr) return true;
  auto* context = new QOpenGLContext(QCoreApplication::instance());
  context->setFormat(QSurfaceFormat::defaultFormat());
  if (!context->create()) {
    delete context;
    return false;
  }
  qt_gl_set_global_share_context(context);
  return true;
}

// Chromium reads its switches when the engine first starts, which is here. False when the
// engine cannot start on this display.
bool PrepareEngine() {
  static const bool ready = [] {
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
    return ShareOpenGLContexts();
  }();
  return ready;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) QWidget* LirexCreateWebView(QWidget* parent,
                                                                              const char* url,
                                                                              int text_zoom_level) {
  if (!PrepareEngine()) return nullptr;
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
