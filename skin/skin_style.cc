#include "skin/skin_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace lirex::skin {

QPalette PaletteOf(const Skin& skin) {
  QPalette palette;
  palette.setColor(QPalette::Window, skin.window);
  palette.setColor(QPalette::WindowText, skin.window_text);
  palette.setColor(QPalette::Base, skin.base);
  palette.setColor(QPalette::AlternateBase, skin.window);
  palette.setColor(QPalette::Text, skin.text);
  palette.setColor(QPalette::Button, skin.button);
  palette.setColor(QPalette::ButtonText, skin.button_text);
  palette.setColor(QPalette::Highlight, skin.highlight);
  palette.setColor(QPalette::HighlightedText, skin.highlighted_text);
  palette.setColor(QPalette::ToolTipBase, skin.base);
  palette.setColor(QPalette::ToolTipText, skin.text);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, skin.border);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, skin.border);
  return palette;
}

QString StyleSheetOf(const Skin& skin, bool aero) {
  const QString top = aero ? skin.button.lighter(125).name() : skin.button.lighter(108).name();
  const QString bottom = aero ? skin.button.darker(108).name() : skin.button.name();
  return QStringLiteral(
             "QPushButton { color: %1; border: 1px solid %2; border-radius: %3px;"
             " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:1 %5); }"
             "QPushButton:hover { border-color: %6; }"
             "QPushButton:pressed { background: %5; padding-top: 2px; }"
             "QPushButton:focus { border-color: %6; }"
             "QGroupBox { border: 1px solid %2; border-radius: %3px; margin-top: 7px; }"
             "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: %7; }"
             "QLineEdit, QPlainTextEdit, QTextEdit { border: 1px solid %2; }"
             "QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus { border-color: %6; }")
      .arg(skin.button_text.name(), skin.border.name(), QString::number(skin.radius), top, bottom,
           skin.highlight.name(), skin.window_text.name());
}

bool ApplySkin(const Skin& skin, bool aero) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr) return false;
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);
  }
  QApplication::setPalette(PaletteOf(skin));
  application->setStyleSheet(StyleSheetOf(skin, aero));
  return true;
}

}  // namespace lirex::skin
