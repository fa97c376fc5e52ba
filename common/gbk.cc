#include "common/gbk.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace lirex {

std::string Gbk(std::string_view utf8) {
  return ToGbk(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString FromGbk(std::string_view gbk) {
  QStringDecoder decoder("GBK");
  return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

std::string ToGbk(const QString& text) {
  QStringEncoder encoder("GBK");
  const QByteArray bytes = encoder.encode(text);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace lirex
