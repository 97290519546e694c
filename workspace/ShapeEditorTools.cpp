// The shape editor's tools on the working copy: stretching with the size
// fields, extruding, mirroring and sorting the painting orders.
#include <QSpinBox>

#include "shapes/DrawClass.h"
#include "shapes/ShapeTools.h"
#include "workspace/ShapeEditor.h"

void TAddHard::StretchShape() {
  if (fillingSizes_) return;
  if (!GeneralMode()) {
    RebuildEntry();
    return;
  }
  if (!PreviewPiece || !WorkShape) return;
  const Point3 before{PrevX, PrevY, PrevZ};
  const Point3 after{edtX->value(), edtY->value(), edtZ->value()};
  PrevX = PreviewPiece->SizeX = after.x;
  PrevY = PreviewPiece->SizeY = after.y;
  PrevZ = PreviewPiece->SizeZ = after.z;
  ::StretchShape(*WorkShape, before, after);
  ShowCurrentFace();
  PaintPreview();
}

void TAddHard::Extrude() {
  if (!PreviewPiece || !HasFace()) return;
  if (::Extrude(*WorkShape, CurrentFace, spExt->value()) == 0) return;
  RefreshLists();
  PaintPreview();
}

void TAddHard::MirrorFaces(int tag) {
  if (!WorkShape || tag < 0 || tag > 5) return;
  if (tag < 3 && !HasFace()) return;
  ::MirrorFaces(*WorkShape, tag < 3 ? CurrentFace : -1, static_cast<Axis>(tag % 3));
  ShowCurrentFace();
  PaintPreview();
}

void TAddHard::SortDrawOrder(int tag) {
  if (!WorkShape) return;
  if (tag == 0) {
    ::SortDrawOrder(*WorkShape, Octant());
  } else {
    for (int octant = 0; octant < 8; ++octant) ::SortDrawOrder(*WorkShape, octant);
  }
  RefreshLists();
  PaintPreview();
}
