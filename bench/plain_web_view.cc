// A plain Qt program that shows one web view of the size and address of Vonk's advertisement
// strip: the yardstick for Vonk's memory.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

#include "common/site_hosts.h"

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  QWebEngineView view;
  view.resize(635, 64);
  view.load(QUrl(QStringLiteral("http://%1/plusgg.html").arg(QLatin1String(lirex::kMakerHost))));
  view.show();
  return application.exec();
}
