#include "tools/forge/forge.h"
#include <cairo.h>
#include <png.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace fs = std::filesystem;
static std::mutex forgelock;  // the audio thread reports and makes folders too

void forgemkdirs(const std::string& relpath) {
  std::error_code ec;
  fs::create_directories(fs::path(forgedata) / relpath, ec);
}

std::string forgepath(const std::string& relpath) {
  fs::path p = fs::path(forgedata) / relpath;
  std::error_code ec;
  fs::create_directories(p.parent_path(), ec);
  return p.string();
}

void forgeerror(const std::string& what) {
  std::lock_guard<std::mutex> hold(forgelock);
  std::fprintf(stderr, "forge: %s\n", what.c_str());
  forgefailures++;
}

bool forgesavergba(const std::vector<uint8_t>& rgba, int w, int h, const std::string& relpath) {
  std::string path = forgepath(relpath);
  std::string tmp = path + ".tmp";
  FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    forgeerror("cannot write " + path);
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    forgeerror("png error " + path);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  for (int y = 0; y < h; y++) png_write_row(png, const_cast<png_bytep>(&rgba[size_t(y) * w * 4]));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
  std::error_code ec;
  fs::rename(tmp, path, ec);
  return !ec;
}

bool forgesavepng(cairo_surface_t* surface, const std::string& relpath) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> rgba(size_t(w) * h * 4);
  for (int y = 0; y < h; y++) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; x++) {
      uint32_t p = row[x];  // premultiplied ARGB in native order
      int a = p >> 24, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (a > 0 && a < 255) {
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      uint8_t* o = &rgba[(size_t(y) * w + x) * 4];
      o[0] = uint8_t(r > 255 ? 255 : r);
      o[1] = uint8_t(g > 255 ? 255 : g);
      o[2] = uint8_t(b > 255 ? 255 : b);
      o[3] = uint8_t(a);
    }
  }
  return forgesavergba(rgba, w, h, relpath);
}

bool forgewritebytes(const std::string& relpath, const std::vector<uint8_t>& bytes) {
  std::string path = forgepath(relpath);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    forgeerror("cannot write " + path);
    return false;
  }
  return true;
}

bool forgecopyfile(const std::string& from, const std::string& relpath) {
  std::ifstream in(from, std::ios::binary);
  if (!in) {
    forgeerror("missing content file " + from);
    return false;
  }
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return forgewritebytes(relpath, bytes);
}

#include <jpeglib.h>

bool forgesavejpg(cairo_surface_t* surface, const std::string& relpath) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  std::string path = forgepath(relpath);
  std::string tmp = path + ".tmp";
  FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    forgeerror("cannot write " + path);
    return false;
  }
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = w;
  c.image_height = h;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 90, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(size_t(w) * 3);
  while (c.next_scanline < c.image_height) {
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + size_t(c.next_scanline) * stride);
    for (int x = 0; x < w; x++) {
      uint32_t p = src[x];
      // Pure black turns transparent in the game, and the JPEG's rounding can make near-black
      // into black: keep every channel a few steps above zero.
      int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      r = r < 8 ? 8 : r;
      g = g < 8 ? 8 : g;
      b = b < 8 ? 8 : b;
      row[x * 3] = uint8_t(r);
      row[x * 3 + 1] = uint8_t(g);
      row[x * 3 + 2] = uint8_t(b);
    }
    JSAMPROW rp = row.data();
    jpeg_write_scanlines(&c, &rp, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
  std::error_code ec;
  fs::rename(tmp, path, ec);
  return !ec;
}
