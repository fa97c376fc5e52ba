// Helpers for the window tests: reading the message boxes that a click opens.
#ifndef LIREX_TESTS_GUI_SUPPORT_H_
#define LIREX_TESTS_GUI_SUPPORT_H_

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace lirex {

struct SeenBox {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  Qt::WindowModality modality = Qt::NonModal;
  bool has_parent = false;
};

// Runs `action`, reads the modal message box it opens, runs `while_shown` and presses OK.
inline SeenBox CatchMessageBox(const std::function<void()>& action,
                               const std::function<void()>& while_shown = {}) {
  SeenBox seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || seen.shown) return;
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    seen.modality = box->windowModality();
    seen.has_parent = box->parentWidget() != nullptr;
    if (while_shown) while_shown();
    box->button(QMessageBox::Ok)->click();
  });
  poll.start(5);
  action();
  poll.stop();
  return seen;
}

}  // namespace lirex

#endif  // LIREX_TESTS_GUI_SUPPORT_H_
