// Loaded into a program under test with LD_PRELOAD, so that tests and timing scripts can watch
// the real program from outside. Once the program's QApplication exists:
//   LIREX_PROBE_BOXES=<file>   each message box that opens is written to <file> (title, icon,
//                              buttons, text) and dismissed with its OK button;
//   LIREX_PROBE_REPORT=<file>  after the first paint of a window, the application's window colour
//                              and the names of the visible top-level windows go to <file>;
//   LIREX_PROBE_CLICK=<name>   after that first paint, the button of that object name is clicked;
//   LIREX_PROBE_EXIT_AFTER_PAINT=1  the process ends with status 0 right after the first paint
//                              (and the click);
//   LIREX_PROBE_SLOTS_AFTER_MS=<n>  n ms after the first paint, each web view slot's state goes
//                              to the report ("slot <name> browser=<0|1> link=x,y,w,h"), and only
//                              then does LIREX_PROBE_EXIT_AFTER_PAINT end the process;
//   LIREX_PROBE_LEAK_FD=1      a descriptor is opened without close-on-exec, as libraries do,
//                              to show whether programs started from here inherit it.
#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

void Append(const QByteArray& file_name, const QString& text) {
  QFile file(QString::fromLocal8Bit(file_name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  file.write(text.toUtf8());
}

QString IconName(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::NoIcon:
      return QStringLiteral("none");
    case QMessageBox::Information:
      return QStringLiteral("information");
    case QMessageBox::Warning:
      return QStringLiteral("warning");
    case QMessageBox::Critical:
      return QStringLiteral("critical");
    case QMessageBox::Question:
      return QStringLiteral("question");
  }
  return QStringLiteral("?");
}

void DismissBoxes(const QByteArray& file_name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box == nullptr || !box->isVisible()) continue;
    QStringList buttons;
    for (QAbstractButton* button : box->buttons()) buttons << button->text();
    Append(
        file_name,
        QStringLiteral("title=%1\nicon=%2\nbuttons=%3\nmodal=%4\nparent=%5\ntext=%6\n---\n")
            .arg(box->windowTitle(), IconName(box->icon()), buttons.join(u'|'),
                 QString::number(box->windowModality()),
                 box->parentWidget() ? QStringLiteral("yes") : QStringLiteral("no"), box->text()));
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
  }
}

class PaintWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Paint || widget == nullptr || !widget->isWindow() || done_) {
      return false;
    }
    done_ = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] { AfterFirstPaint(); });
    return false;
  }

 private:
  static void AfterFirstPaint() {
    const QByteArray report = qgetenv("LIREX_PROBE_REPORT");
    if (!report.isEmpty()) {
      QStringList windows;
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) windows << widget->objectName();
      }
      Append(report,
             QStringLiteral("window_colour=%1\nwindows=%2\n")
                 .arg(QApplication::palette().color(QPalette::Window).name(), windows.join(u'|')));
    }
    const QString click = qEnvironmentVariable("LIREX_PROBE_CLICK");
    if (!click.isEmpty()) {
      for (QWidget* widget : QApplication::allWidgets()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button != nullptr && button->objectName() == click) button->click();
      }
    }
    bool delayed = false;
    const int slots_after = qEnvironmentVariableIntValue("LIREX_PROBE_SLOTS_AFTER_MS", &delayed);
    if (delayed) {
      QTimer::singleShot(slots_after, QCoreApplication::instance(), [report] {
        ReportSlots(report);
        if (qEnvironmentVariableIntValue("LIREX_PROBE_EXIT_AFTER_PAINT") == 1) _exit(0);
      });
      return;
    }
    if (qEnvironmentVariableIntValue("LIREX_PROBE_EXIT_AFTER_PAINT") == 1) _exit(0);
  }

  static void ReportSlots(const QByteArray& report) {
    for (QWidget* widget : QApplication::allWidgets()) {
      if (!widget->inherits("lirex::WebViewSlot")) continue;
      const QRect link = widget->property("linkGeometry").toRect();
      Append(report, QStringLiteral("slot %1 browser=%2 link=%3,%4,%5,%6\n")
                         .arg(widget->objectName())
                         .arg(widget->property("hasBrowser").toBool() ? 1 : 0)
                         .arg(link.x())
                         .arg(link.y())
                         .arg(link.width())
                         .arg(link.height()));
    }
  }

  bool done_ = false;
};

// Runs inside QCoreApplication's constructor, so only QCoreApplication's side may be used here.
void StartProbe() {
  QCoreApplication* application = QCoreApplication::instance();
  if (qEnvironmentVariableIntValue("LIREX_PROBE_LEAK_FD") == 1) open("/dev/null", O_RDONLY);
  const QByteArray boxes = qgetenv("LIREX_PROBE_BOXES");
  if (!boxes.isEmpty()) {
    auto* timer = new QTimer(application);
    QObject::connect(timer, &QTimer::timeout, application, [boxes] { DismissBoxes(boxes); });
    timer->start(20);
  }
  if (!qgetenv("LIREX_PROBE_REPORT").isEmpty() ||
      !qgetenv("LIREX_PROBE_EXIT_AFTER_PAINT").isEmpty()) {
    application->installEventFilter(new PaintWatcher);
  }
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)
