// Decodes a JPEG picture through libjpeg's decompression interface.
#ifndef LIREX_PREDICTOR_JPEG_PICTURE_H_
#define LIREX_PREDICTOR_JPEG_PICTURE_H_

#include <QByteArray>
#include <QImage>

namespace lirex {

// A null image for anything libjpeg cannot decode; never aborts the program.
QImage DecodeJpeg(const QByteArray& bytes);

}  // namespace lirex

#endif  // LIREX_PREDICTOR_JPEG_PICTURE_H_
