#include "shrinker/show_message.h"

#include <QMessageBox>

#include "common/gbk.h"

namespace lirex {

void ShowMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), FromGbk(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace lirex
