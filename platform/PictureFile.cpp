#include "platform/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

#include "platform/Error.h"
#include "platform/QtCanvas.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"

namespace {

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, (v >> 16) & 0xFFFF);
}

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

}  // namespace

std::string EncodeBmp(const Bitmap& picture) {
  const unsigned w = static_cast<unsigned>(picture.width());
  const unsigned h = static_cast<unsigned>(picture.height());
  const unsigned rowBytes = (w * 3 + 3) & ~3u;
  const unsigned imageBytes = rowBytes * h;
  std::string out;
  out.reserve(54 + imageBytes);
  out += "BM";
  Put32(out, 54 + imageBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    std::size_t start = out.size();
    for (unsigned x = 0; x < w; ++x) {
      TColor c = picture.pixel(static_cast<int>(x), y);
      out += static_cast<char>(BlueOf(c));
      out += static_cast<char>(GreenOf(c));
      out += static_cast<char>(RedOf(c));
    }
    out.append(rowBytes - (out.size() - start), '\0');
  }
  return out;
}

void WriteBmp(const std::string& path, const Bitmap& picture) {
  WriteFileAtomically(path, EncodeBmp(picture));
}

Bitmap ReadBmp(const std::string& path, std::size_t maxBytes) {
  std::string bytes = ReadFileBytes(path, maxBytes);
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()), "BMP"))
    throw FileError(Format("\"%s\" is not a valid bitmap", path.c_str()));
  return FromQImage(image);
}

Bitmap ReadJpeg(const std::string& path) {
  std::string bytes = ReadFileBytes(path);
  jpeg_decompress_struct info;
  JpegErrorManager error;
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = JpegErrorExit;
  Bitmap picture;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    throw FileError(Format("\"%s\": %s", path.c_str(), error.message));
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  picture.resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  std::vector<unsigned char> row(info.output_width * 3);
  while (info.output_scanline < info.output_height) {
    int y = static_cast<int>(info.output_scanline);
    unsigned char* rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    for (unsigned x = 0; x < info.output_width; ++x)
      picture.setPixel(static_cast<int>(x), y, RGB(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]));
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return picture;
}

void WriteJpeg(const std::string& path, const Bitmap& picture, int quality) {
  jpeg_compress_struct info;
  JpegErrorManager error;
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = JpegErrorExit;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(error.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw FileError(Format("\"%s\": %s", path.c_str(), error.message));
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width());
  info.image_height = static_cast<JDIMENSION>(picture.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);  // baseline
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.width()) * 3);
  while (info.next_scanline < info.image_height) {
    int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < picture.width(); ++x) {
      TColor c = picture.pixel(x, y);
      row[x * 3] = static_cast<unsigned char>(RedOf(c));
      row[x * 3 + 1] = static_cast<unsigned char>(GreenOf(c));
      row[x * 3 + 2] = static_cast<unsigned char>(BlueOf(c));
    }
    unsigned char* rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  WriteFileAtomically(path, bytes);
}

bool IsJpegName(const std::string& path) {
  return LowerCase(path).find(".jpg") != std::string::npos;
}

Bitmap ReadPicture(const std::string& path) {
  return IsJpegName(path) ? ReadJpeg(path) : ReadBmp(path);
}

void WritePng(const std::string& path, const Bitmap& picture) {
  QImage image = ToQImage(picture);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    throw FileError(Format("Cannot write picture \"%s\"", path.c_str()));
  WriteFileAtomically(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
