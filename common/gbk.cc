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
  std::string gbk(bytes.constData(), static_cast<size_t>(bytes.size()));
  // The codec writes € and a few private-use characters as the single bytes 0x80 and 0xFF, while
  // the text operations read every byte from 0x80 up as the first of two. Such a character
  // becomes "?", as every other character outside GBK does.
  for (size_t pos = 0; pos < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[pos]);
    if (byte >= 0x81 && byte <= 0xFE) {
      pos += 2;
      continue;
    }
    if (byte >= 0x80) gbk[pos] = '?';
    ++pos;
  }
  return gbk;
}

}  // namespace lirex
