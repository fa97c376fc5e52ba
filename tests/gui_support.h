// Helpers for the window tests: the expected controls of a window, their texts, and the message
// boxes that a click opens.
#ifndef LIREX_TESTS_GUI_SUPPORT_H_
#define LIREX_TESTS_GUI_SUPPORT_H_

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <functional>

namespace lirex {

struct ExpectedControl {
  QString name;
  const char* class_name;
  QString parent;  // empty: the window
  QRect geometry;
  QString text;  // caption or initial text
};

inline QString ControlText(const QWidget* control) {
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->text();
  if (auto* plain = qobject_cast<const QPlainTextEdit*>(control)) return plain->toPlainText();
  if (auto* rich = qobject_cast<const QTextEdit*>(control)) return rich->toPlainText();
  return {};
}

struct SeenBox {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  Qt::WindowModality modality = Qt::NonModal;
  bool has_parent = false;
  int width = 0;
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
    seen.width = box->width();
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
