#include "predictor/jpeg_picture.h"

// clang-format off
#include <cstdio>  // jpeglib.h uses FILE and size_t without declaring them
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstdio>

namespace lirex {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder.
struct ErrorManager {
  jpeg_error_mgr manager;
  std::jmp_buf on_error;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->on_error, 1);
}

void IgnoreMessage(j_common_ptr) {}

// The carried pictures are small; a header that claims more is refused before any allocation.
constexpr JDIMENSION kMaxSide = 4096;
// Enough for a picture of kMaxSide × kMaxSide; a decoder that would need more fails instead
// (libjpeg has no backing store here).
constexpr long kMaxDecoderMemory = 256L << 20;

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpOnError;
  errors.manager.output_message = IgnoreMessage;
  // Nothing with a destructor lives between here and the jumps back.
  QImage* volatile image = nullptr;
  if (setjmp(errors.on_error) != 0) {
    jpeg_destroy_decompress(&info);
    delete image;
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  info.mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_read_header(&info, TRUE);
  if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB888);
  if (image->isNull()) {
    jpeg_destroy_decompress(&info);
    delete image;
    return {};
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  QImage decoded = std::move(*image);
  delete image;
  return decoded;
}

}  // namespace lirex
