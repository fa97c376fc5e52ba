#include "shrinker/show_message.h"

#include <QMessageBox>

#include "common/gbk.h"
#include "common/message_boxes.h"

namespace lirex {

void ShowMessage(std::string_view text) {
  UseChineseQtTexts();
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), FromGbk(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  WidenForTitle(box);
  box.exec();
}

}  // namespace lirex
