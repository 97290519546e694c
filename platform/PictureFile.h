#pragma once
#include <string>

#include "platform/Bitmap.h"
#include "platform/TextFile.h"

// Picture files. Every function raises FileError when the file cannot be read
// or written; writers replace the target only after a complete write.
Bitmap ReadBmp(const std::string& path, std::size_t maxBytes = kNoSizeLimit);
void WriteBmp(const std::string& path, const Bitmap& picture);  // 24-bit, bottom-up
std::string EncodeBmp(const Bitmap& picture);

Bitmap ReadJpeg(const std::string& path);
void WriteJpeg(const std::string& path, const Bitmap& picture, int quality = 100);  // baseline

// A name containing ".jpg" (in any case) is read as JPEG, any other as BMP.
bool IsJpegName(const std::string& path);
Bitmap ReadPicture(const std::string& path);

// PNG through the platform's image library, for pictures made by the batch program.
void WritePng(const std::string& path, const Bitmap& picture);
