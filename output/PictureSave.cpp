#include "output/PictureSave.h"

#include <algorithm>

#include "platform/PictureFile.h"
#include "platform/TextFile.h"
#include "render/Scene.h"

FileDialogRequest PictureSaveRequest(bool antiAliased, const std::string& modelFileName,
                                     const std::string& pictureFolder) {
  FileDialogRequest request;
  request.title = antiAliased ? "Save anti-aliased picture" : "Save picture";
  request.filter = kPictureSaveFilter;
  request.defaultExtension = "BMP";
  request.folder = pictureFolder;
  std::string name = FileBaseName(modelFileName);
  const std::string extension = FileExtension(name);
  name.erase(name.size() - extension.size());
  request.fileName = name;
  return request;
}

Bitmap FramePicture(TScene& scene, const TRect& frame, bool antiAliased) {
  const int width = std::max(0, frame.width()), height = std::max(0, frame.height());
  Bitmap picture(width, height, scene.BackgroundColor);
  if (antiAliased) {
    scene.RenderSupersampled(picture, frame);
    return picture;
  }
  const Bitmap& back = scene.BackBuffer;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int sx = frame.left + x, sy = frame.top + y;
      if (back.contains(sx, sy)) picture.setPixel(x, y, back.pixel(sx, sy));
    }
  return picture;
}

void WritePictureFile(const std::string& fileName, const Bitmap& picture) {
  if (IsJpegName(fileName))
    WriteJpeg(fileName, picture, 100);
  else
    WriteBmp(fileName, picture);
}
