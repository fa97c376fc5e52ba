#include "shrinker/bounded_text_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace lirex {

BoundedTextEdit::BoundedTextEdit(int limit, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit) {}

int BoundedTextEdit::CharacterCount() const {
  // QTextDocument counts a paragraph separator after its last block as well.
  return document()->characterCount() - 1;
}

int BoundedTextEdit::Room() const {
  const QTextCursor cursor = textCursor();
  return limit_ - CharacterCount() + (cursor.selectionEnd() - cursor.selectionStart());
}

void BoundedTextEdit::keyPressEvent(QKeyEvent* event) {
  const bool inserts = !event->text().isEmpty() && event->text().at(0).isPrint();
  const bool breaks_line = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if ((inserts || breaks_line) && !isReadOnly() &&
      Room() < (breaks_line ? 1 : event->text().size())) {
    QApplication::beep();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void BoundedTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  QString text = source->text();
  // Line breaks of any platform count as one character each, as they will in the box.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const int room = std::max(0, Room());
  if (text.size() > room) {
    QApplication::beep();
    // A surrogate pair is never cut in two.
    int keep = room;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate()) --keep;
    text.truncate(keep);
  }
  if (!text.isEmpty() || textCursor().hasSelection()) insertPlainText(text);
}

void BoundedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (!commit.isEmpty() && Room() < commit.size()) {
    QApplication::beep();
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(commit.left(std::max(0, Room())), event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace lirex
