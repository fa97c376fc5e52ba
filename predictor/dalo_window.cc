#include "predictor/dalo_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "common/site_hosts.h"
#include "common/tab_order.h"

namespace lirex {
namespace {

Qt::WindowFlags FlagsFor(const WindowFrame& frame) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  // A tool window gets no taskbar button from the window manager.
  return flags | (frame.taskbar_button ? Qt::Window : Qt::Tool);
}

}  // namespace

QString TovanHost() { return QString::fromLatin1(kTovanHost); }

QUrl TovanUrl(const char* path) {
  return QUrl(QStringLiteral("http://") + TovanHost() + QString::fromLatin1(path));
}

DaloWindow::DaloWindow(const QString& object_name, const QString& title_prefix,
                       const WindowFrame& frame)
    : QWidget(nullptr, FlagsFor(frame)), closes_on_escape_(frame.closes_on_escape) {
  setObjectName(object_name);
  setWindowTitle(title_prefix + TovanHost());
  // Qt lets tool windows end with the program's other windows; each of Dalo's windows keeps the
  // program running until it is closed.
  setAttribute(Qt::WA_QuitOnClose);
  if (closes_on_escape_) QCoreApplication::instance()->installEventFilter(this);
  if (frame.fixed_size) {
    setFixedSize(frame.client);
  } else {
    resize(frame.client);
  }
}

bool DaloWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress ||
      static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
    return false;
  }
  // A web view keeps every key for its page, so Esc is taken on its way to any widget or native
  // window of this window, before the focused child sees it.
  const QWindow* target = nullptr;
  if (auto* widget = qobject_cast<QWidget*>(watched)) {
    target = widget->window()->windowHandle();
  } else {
    target = qobject_cast<QWindow*>(watched);
  }
  const QWindow* own = windowHandle();
  if (own == nullptr || target == nullptr ||
      (target != own && !own->isAncestorOf(target, QWindow::ExcludeTransients))) {
    return false;
  }
  close();
  return true;
}

void DaloWindow::showEvent(QShowEvent* event) {
  if (!tab_order_set_) {
    SetReadingTabOrder(this);
    tab_order_set_ = true;
  }
  QWidget::showEvent(event);
}

// Only a press on the window's own background starts a drag; controls keep their clicks.
void DaloWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
    // The window manager moves the window, as where a program may not move its own windows;
    // a platform without that falls back to moving it here.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    return;
  }
  QWidget::mousePressEvent(event);
}

void DaloWindow::mouseMoveEvent(QMouseEvent* event) {
  if (drag_offset_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - *drag_offset_);
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void DaloWindow::mouseReleaseEvent(QMouseEvent* event) {
  drag_offset_.reset();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace lirex
