// Storing the shape editor's working copy: an edited shape goes into the
// cached one, so every piece bound to it changes; a new shape is named and
// joins the cache. Either is written to its part file at once.
#include <QLineEdit>
#include <exception>

#include "model/FieldScanner.h"
#include "platform/Error.h"
#include "shapes/DrawClass.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"
#include "shapes/ShapeCache.h"
#include "workspace/AskFileAndPart.h"
#include "workspace/MainWindow.h"
#include "workspace/PaletteEntry.h"
#include "workspace/ShapeEditor.h"

namespace {

constexpr const char* kTemplateFile = "template.dat";
constexpr const char* kTemplateSection = "template";
constexpr const char* kProposedFile = "userblks.dat";

// The section a part name stands for: the text before its "|".
std::string SectionOf(const std::string& partName) {
  return Trim(partName.substr(0, partName.find('|')));
}

}  // namespace

TAskFileAndPart& TAddHard::AskNames() {
  if (!askNames_) {
    askNames_ =
        new TAskFileAndPart(this, [this](const std::string& text) { Ask().ShowMessage(text); });
    askNames_->CheckNames = [this](const std::string& file, const std::string& part) {
      return NewNamesProblem(file, part);
    };
  }
  return *askNames_;
}

std::string TAddHard::NewNamesProblem(const std::string& fileName, const std::string& partName) {
  const std::string section = SectionOf(partName);
  if (section.empty()) return TAskFileAndPart::kMissingNames;
  TShapeCache& cache = main_.Shapes();
  // A comma or a bar would split the palette entry "G file, section|part" in the wrong place.
  if (fileName.find_first_of(",|") != std::string::npos)
    return Format("%s is not a file name in the parts folder", fileName.c_str());
  try {
    FindPartFile(cache.PartsFolders(), fileName);
  } catch (const std::exception& e) {
    return e.what();
  }
  // A name in use would either lose the new shape (one is loaded under it) or
  // overwrite a part of the file that nobody asked to change.
  try {
    cache.FindShape(fileName, section);
  } catch (const std::exception&) {
    return std::string();
  }
  return Format("Part %s already exists in file %s", section.c_str(), fileName.c_str());
}

bool TAddHard::StoreShape() {
  if (!WorkShape) return true;
  TShapeCache& cache = main_.Shapes();
  WorkShape->HighlightFace = -1;
  TDrawClass* stored = nullptr;
  if (WorkShape->FileName == kTemplateFile || WorkShape->SectionName == kTemplateSection) {
    TAskFileAndPart& ask = AskNames();
    if (ask.Edit1->text().isEmpty()) ask.Edit1->setText(kProposedFile);
    if (ask.exec() != QDialog::Accepted) {
      WorkShape->HighlightFace = CurrentFace;  // the editor stays as it was
      return false;
    }
    const std::string file = ask.FileName();
    const std::string part = ask.PartName();
    WorkShape->FileName = file;
    WorkShape->SectionName = SectionOf(part);
    std::unique_ptr<TDrawClass> shape = std::move(WorkShape);
    stored = shape.get();  // the preview piece stays bound to it, now in the cache
    if (!cache.RegisterShape(shape)) {
      WorkShape = std::move(shape);  // taken meanwhile: nothing is lost, the editor stays
      Ask().ShowMessage(NewNamesProblem(file, part));
      return false;
    }
    ShapeFile = file;
    ShapeSection = stored->SectionName;
    EntryBody = GeneralEntryText(file, ShapeSection);
    // The text after "|" is the entry's part id.
    const std::size_t bar = part.find('|');
    if (bar != std::string::npos)
      edtIdent->setText(QString::fromLocal8Bit(Trim(part.substr(bar + 1)).c_str()));
  } else if (SourceShape) {
    SourceShape->Assign(*WorkShape);
    stored = SourceShape;
    cache.MarkChanged(*SourceShape);
    if (auto* general = dynamic_cast<TGeneralBlock*>(PreviewPiece.get()))
      general->SetShape(SourceShape);
  }
  WorkShape.reset();
  SourceShape = nullptr;
  CurrentFace = CurrentCorner = -1;
  if (stored) {
    // At once, not only at the program's end: a crash must not take the new shape with it.
    try {
      cache.SaveAllShapes();
    } catch (const std::exception& e) {
      Ask().ShowMessage(e.what());  // still marked, so the program's end tries again
    }
    main_.RedrawPicture();
  }
  return true;
}
