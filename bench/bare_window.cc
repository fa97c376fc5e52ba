// The yardsticks for Vonk's start-up: an empty Qt window of the same size and nothing else, or
// (with --text) the same window with one line of Chinese text, which brings up the font system.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setObjectName(QStringLiteral("BareWindow"));
  window.setFixedSize(648, 640);
  if (QApplication::arguments().contains(QStringLiteral("--text"))) {
    auto* label = new QLabel(QStringLiteral("当前直选大底注数：0注"), &window);
    label->setGeometry(412, 611, 230, 25);
  }
  window.show();
  return application.exec();
}
