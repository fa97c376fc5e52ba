#include "predictor/dalo_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "common/site_hosts.h"

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
  if (frame.fixed_size) {
    setFixedSize(frame.client);
  } else {
    resize(frame.client);
  }
}

void DaloWindow::keyPressEvent(QKeyEvent* event) {
  if (closes_on_escape_ && event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// Only a press on the window's own background starts a drag; controls keep their clicks.
void DaloWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
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
