// The betting-plan picture decoder on any bytes: a picture within bounds or nothing.
#include <QByteArray>
#include <cstdlib>

#include "predictor/jpeg_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const QImage image = lirex::DecodeJpeg(
      QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
  if (!image.isNull() && (image.width() > 4096 || image.height() > 4096)) std::abort();
  return 0;
}
