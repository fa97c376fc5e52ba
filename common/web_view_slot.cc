#include "common/web_view_slot.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QTimer>

#include "common/control_table.h"
#include "common/platform.h"

namespace lirex {
namespace {

using CreateView = QWidget* (*)(QWidget* parent, const char* url, int text_zoom_level);
using NavigateView = void (*)(QWidget* view, const char* url);

struct WebViewModule {
  CreateView create = nullptr;
  NavigateView navigate = nullptr;
};

// Whether a view can be made at all: the module is beside the program and the engine's sandbox
// can start (as root it cannot, unless the user turned it off; the programs never do).
bool ViewsPossible() {
  const bool sandbox_can_start =
      geteuid() != 0 || !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
  return sandbox_can_start && DirectoryEntryExists(FileBesideProgram(kWebViewModule));
}

// Loaded once per process; the module stays loaded, as the views it made live on.
const WebViewModule& Module() {
  static const WebViewModule module = [] {
    WebViewModule found;
    if (!ViewsPossible()) return found;
    QLibrary library(QString::fromStdString(FileBesideProgram(kWebViewModule)));
    if (!library.load()) return found;
    found.create = reinterpret_cast<CreateView>(library.resolve("LirexCreateWebView"));
    found.navigate = reinterpret_cast<NavigateView>(library.resolve("LirexNavigateWebView"));
    if (found.create == nullptr || found.navigate == nullptr) return WebViewModule{};
    return found;
  }();
  return module;
}

}  // namespace

void WebViewSlot::PrepareApplication() {
  // Making the shared context costs tens of milliseconds at every start: only where a view can
  // be made at all, with the module beside the program and its sandbox able to start (as root
  // it cannot, unless the user turned it off).
  const bool sandbox_can_start =
      geteuid() != 0 || !qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX");
  if (sandbox_can_start && DirectoryEntryExists(FileBesideProgram(kWebViewModule))) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  }
}

WebViewSlot::WebViewSlot(const QUrl& url, int text_zoom_level, QWidget* parent)
    : QWidget(parent), url_(url), text_zoom_level_(text_zoom_level) {}

bool WebViewSlot::HasBrowser() const { return view_ != nullptr && view_->isVisible(); }

QRect WebViewSlot::LinkGeometry() const {
  return link_ != nullptr && link_->isVisible() ? link_->geometry() : QRect();
}

void WebViewSlot::Navigate(const QUrl& url) {
  url_ = url;
  if (view_ != nullptr) {
    if (link_ != nullptr) link_->hide();
    view_->show();
    Module().navigate(view_, url_.toString().toUtf8().constData());
  } else if (link_ != nullptr) {
    ShowLink();
  }
}

void WebViewSlot::PageFailed() {
  if (view_ != nullptr) view_->hide();
  ShowLink();
}

QRect WebViewSlot::VisibleArea() const {
  QRect area = rect();
  for (const QWidget* ancestor = parentWidget(); ancestor != nullptr;
       ancestor = ancestor->isWindow() ? nullptr : ancestor->parentWidget()) {
    area &= QRect(mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
  }
  return area.isEmpty() ? rect() : area;
}

void WebViewSlot::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (load_started_) return;
  load_started_ = true;
  QTimer::singleShot(0, this, &WebViewSlot::LoadView);
}

void WebViewSlot::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (view_ != nullptr) view_->setGeometry(rect());
  if (link_ != nullptr) link_->setGeometry(VisibleArea());
}

void WebViewSlot::LoadView() {
  const WebViewModule& module = Module();
  if (module.create != nullptr) {
    view_ = module.create(this, url_.toString().toUtf8().constData(), text_zoom_level_);
  }
  if (view_ == nullptr) {
    ShowLink();
    return;
  }
  view_->setGeometry(rect());
  view_->show();
}

void WebViewSlot::ShowLink() {
  if (link_ == nullptr) {
    link_ = new QLabel(this);
    link_->setAlignment(Qt::AlignCenter);
    link_->setOpenExternalLinks(true);
  }
  link_->setGeometry(VisibleArea());
  link_->setText(HyperlinkText(url_, url_.toDisplayString()));
  link_->show();
  link_->raise();
}

}  // namespace lirex
