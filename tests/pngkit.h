// A forged PNG read straight into memory for tests that look at the pixels themselves.
#pragma once
#include <png.h>
#include <cstdint>
#include <string>
#include <vector>

struct rgbapicture {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;  // four bytes a pixel, rows from the top, straight alpha
};

// An empty picture (w == 0) when the file is missing or broken.
inline rgbapicture readrgba(const std::string& path) {
  rgbapicture p;
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&img, path.c_str())) return p;
  img.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> buf(PNG_IMAGE_SIZE(img));
  if (!png_image_finish_read(&img, nullptr, buf.data(), 0, nullptr)) {
    png_image_free(&img);
    return p;
  }
  p.w = int(img.width);
  p.h = int(img.height);
  p.rgba = std::move(buf);
  return p;
}
