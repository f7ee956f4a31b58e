#include "jpeg_image.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace ruzdo {
namespace {

// libjpeg's default handler calls exit(); this one jumps back to the caller.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr info, int level) {
  if (level < 0) onError(info);  // a warning: corrupt or truncated data
}

// The C part: nothing with a destructor is created between setjmp and the
// end of the function, so a jump back skips no clean-up.
bool decode(const unsigned char* bytes, unsigned long size, std::vector<unsigned char>& pixels,
            int& width, int& height) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onError;
  errors.base.emit_message = onMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width > 8192 || info.output_height > 8192) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &pixels[static_cast<std::size_t>(info.output_scanline) *
                           static_cast<std::size_t>(width) * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  std::vector<unsigned char> pixels;
  int width = 0, height = 0;
  if (!decode(reinterpret_cast<const unsigned char*>(data.constData()),
              static_cast<unsigned long>(data.size()), pixels, width, height))
    return {};
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    std::copy_n(&pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3],
                width * 3, image.scanLine(y));
  return image;
}

}  // namespace ruzdo
