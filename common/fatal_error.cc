#include "common/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

#include "common/gbk.h"
#include "common/message_boxes.h"
#include "common/text_ops.h"

namespace lirex {

std::string FatalErrorText(std::optional<int> error_number, std::string_view message) {
  std::string text = Gbk("运行时出错!\n\n");
  if (error_number) text += JoinTexts({Gbk("错误代码："), IntToText(*error_number), "\n\n"});
  return JoinTexts({text, Gbk("错误信息："), message, "\n"});
}

void FatalErrorBox(std::optional<int> error_number, std::string_view message) {
  int argc = 0;
  std::optional<QApplication> own_application;
  if (QApplication::instance() == nullptr) own_application.emplace(argc, nullptr);
  UseChineseQtTexts();
  QMessageBox box(QMessageBox::Critical, FromGbk(Gbk("错误")),
                  FromGbk(FatalErrorText(error_number, message)), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  WidenForTitle(box);
  box.exec();
  std::_Exit(kFatalExitCode);
}

}  // namespace lirex
