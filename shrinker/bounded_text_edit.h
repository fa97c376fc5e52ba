// The base box's edit control: a plain-text box that holds at most a set number of characters,
// as the platform's rich edit control does by default, so that no paste can freeze the window.
#ifndef LIREX_SHRINKER_BOUNDED_TEXT_EDIT_H_
#define LIREX_SHRINKER_BOUNDED_TEXT_EDIT_H_

#include <QPlainTextEdit>

namespace lirex {

// The rich edit control's default limit, in characters (UTF-16 units; a line break counts one).
inline constexpr int kRichEditDefaultLimit = 32767;

class BoundedTextEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  BoundedTextEdit(int limit, QWidget* parent);

  // Characters in the box, line breaks counted.
  int CharacterCount() const;

 protected:
  // Typing, pasting, dropping and input methods insert only what fits and beep for the rest;
  // what the program itself writes is not bounded.
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Characters that may still be inserted in place of the selection.
  int Room() const;

  int limit_;
};

}  // namespace lirex

#endif  // LIREX_SHRINKER_BOUNDED_TEXT_EDIT_H_
