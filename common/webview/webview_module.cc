// The browser engine behind WebViewSlot, kept out of the programs' link line and loaded at run
// time after the first paint.
//
// Each view lives in a native window of its own, embedded in the slot. A composited view as an
// ordinary child would make Qt destroy and recreate the slot's top-level window (to give it an
// OpenGL surface) about a second after it first appeared: the window would flicker, a window
// manager might place it again, and input in that moment would be lost.
#include <unistd.h>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPointer>
#include <QQuickWindow>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// The five text sizes, smallest to largest.
constexpr std::array<double, 5> kZoomFactors = {0.7, 0.85, 1.0, 1.15, 1.3};

// Pages' console messages are the pages' business; the programs log nothing.
class QuietPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}
};

class EmbeddedView : public QWidget {
 public:
  EmbeddedView(QWidget* slot, const QUrl& url, double zoom) : QWidget(slot), slot_(slot) {
    view_ = new QWebEngineView;
    view_->setPage(new QuietPage(view_));
    view_->setZoomFactor(zoom);
    // A page that cannot be loaded (no network, an unknown host) leaves its place to the
    // slot's own link instead of the browser's error page.
    QObject::connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
      if (!ok && slot_) QMetaObject::invokeMethod(slot_, "PageFailed");
    });
    view_->load(url);
    view_->winId();
    auto* container = QWidget::createWindowContainer(view_->windowHandle(), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
  }

  // The view owns its native window and goes first, so that the container finds it gone.
  ~EmbeddedView() override { delete view_; }

  QWebEngineView* view() const { return view_; }

 private:
  QPointer<QWidget> slot_;
  QWebEngineView* view_;
};

// Chromium reads its switches when the engine first starts, which is here. False when the
// engine cannot start as it should; then no view is made and the slot shows its link.
bool PrepareEngine() {
  static const bool ready = [] {
    // Without a sandbox a page would run unconfined: as root the engine's sandbox cannot start,
    // and only the user may choose to run without it.
    if (geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr) return false;
    // The engine draws through a context shared with the application's, which the program asks
    // for before its application exists; without it the engine would crash.
    if (QOpenGLContext::globalShareContext() == nullptr) return false;
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*=false\njs*=false"));
    // An advertisement view has no use for the browser's own background traffic or for a GPU
    // compositor (software compositing keeps the process tree smaller), and the engine's own log
    // stays off. Switches the user set come after ours and win.
    QByteArray flags =
        "--disable-background-networking --disable-component-update --disable-sync "
        "--disable-gpu --log-level=3";
    const QByteArray users = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!users.isEmpty()) flags += " " + users;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    // The view's frames come from the engine's software compositor and are shown without GL.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
  }();
  return ready;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) QWidget* LirexCreateWebView(QWidget* parent,
                                                                              const char* url,
                                                                              int text_zoom_level) {
  if (!PrepareEngine()) return nullptr;
  const size_t level = text_zoom_level >= 0 && text_zoom_level < 5 ? text_zoom_level : 2;
  return new EmbeddedView(parent, QUrl(QString::fromUtf8(url)), kZoomFactors[level]);
}

extern "C" __attribute__((visibility("default"))) void LirexNavigateWebView(QWidget* view,
                                                                            const char* url) {
  if (auto* embedded = dynamic_cast<EmbeddedView*>(view))
    embedded->view()->load(QUrl(QString::fromUtf8(url)));
}
