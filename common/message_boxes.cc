#include "common/message_boxes.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTranslator>

namespace lirex {

void UseChineseQtTexts() {
  static QTranslator* translator = nullptr;
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || (translator != nullptr && translator->parent() == application)) {
    return;
  }
  // The translator belongs to the application, so that it goes with it (FatalErrorBox may make
  // and end an application of its own).
  translator = new QTranslator(application);
  if (translator->load(QStringLiteral("qtbase_zh_CN"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

void WidenForTitle(QMessageBox& box) {
  // QMessageBox sizes itself to its text and ignores a minimum width; a spacer across the
  // bottom of its grid is what it honours.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(
        new QSpacerItem(kMessageBoxMinimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
        grid->rowCount(), 0, 1, grid->columnCount());
  }
}

}  // namespace lirex
