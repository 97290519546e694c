#pragma once
#include <string>

#include "platform/Bitmap.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"

class TScene;

constexpr const char* kPictureSaveFilter = "Bitmap file (*.bmp)|*.bmp|JPEG file (*.jpg)|*.jpg";

// The save dialog for a picture: the model's name without folder and
// extension proposed in the picture folder.
FileDialogRequest PictureSaveRequest(bool antiAliased, const std::string& modelFileName,
                                     const std::string& pictureFolder);

// The framed part of the view: a copy of the back buffer, or the scene drawn
// again at twice the size and averaged. Parts of the frame beyond the view
// show the background colour.
Bitmap FramePicture(TScene& scene, const TRect& frame, bool antiAliased);

// A name containing ".jpg" in any case is written as JPEG (quality 100,
// baseline), any other as BMP. Raises FileError; an existing file is left
// whole when the write fails.
void WritePictureFile(const std::string& fileName, const Bitmap& picture);
