// Model files in the main window: loading, saving, New model, the window
// title and the unsaved-changes question.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <exception>

#include "model/Document.h"
#include "model/FieldScanner.h"
#include "model/ModelEdit.h"
#include "output/LDrawExport.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "workspace/AdvancedToolbox.h"
#include "workspace/LDrawImport.h"
#include "workspace/MainWindow.h"
#include "workspace/PaintBox.h"
#include "workspace/PalettePanel.h"

namespace {

// Restores the redraw switches of the scene however the reading ends.
struct RedrawPause {
  TScene& scene;
  bool suppressed;
  explicit RedrawPause(TScene& s) : scene(s), suppressed(s.RedrawSuppressed) {
    scene.RedrawSuppressed = true;
    scene.PaintingDisabled = true;
  }
  ~RedrawPause() {
    scene.RedrawSuppressed = suppressed;
    scene.PaintingDisabled = false;
  }
};

// The name with the current folder in front when it is relative, "." and ".." resolved.
std::string FullPath(const std::string& name) {
  if (name.empty()) return name;
  const QString full = QFileInfo(QString::fromLocal8Bit(name.c_str())).absoluteFilePath();
  return QDir::cleanPath(full).toLocal8Bit().toStdString();
}

}  // namespace

void TMainWindow::LoadCommandLine(const std::vector<std::string>& parameters) {
  std::string name;
  for (const std::string& p : parameters) name += (name.empty() ? "" : " ") + p;
  if (name.empty()) return;
  openFileName_ = name;
  LoadModel(name, LoadMode::Complete);
}

void TMainWindow::SetModelFileName(const std::string& fileName) {
  std::string caption = windowTitle().toLocal8Bit().toStdString();
  const std::size_t dash = caption.find('-');
  if (dash != std::string::npos)
    caption.erase(dash > 0 && caption[dash - 1] == ' ' ? dash - 1 : dash);
  if (!fileName.empty()) caption += " - " + fileName;
  setWindowTitle(QString::fromLocal8Bit(caption.c_str()));
  openFileName_ = fileName;
  saveProposal_ = FileBaseName(fileName);
}

bool TMainWindow::AskToSave() {
  if (!state_.Unsaved) return true;
  switch (dialogs_->AskYesNoCancel(kUnsavedQuestion)) {
    case DialogAnswer::Cancel:
      return false;
    case DialogAnswer::Yes:
      if (!SaveModel(FolderKind::SaveModel, false)) return false;
      break;
    case DialogAnswer::No:
      break;
  }
  state_.Unsaved = false;
  return true;
}

void TMainWindow::ClearModel() {
  SetModelFileName("");
  if (palette_) palette_->ClearRecentlyUsed();
  // The baseplate's studs follow the "Studded blocks" toggle of the palette, as new pieces do.
  document_.NewModel(rc_.view.ViewOctant, !btnPieceStuds->isChecked());
  SizeBaseplate(false);
  ZLiftOff->setValue(ZLiftOff->maximum());
  document_.ZCutLevel = ZLiftOff->value();
  ShowZCutLevel();
  // The new model, baseplate size included, is where its history starts.
  document_.History.Clear();
  RefreshSelection();
  RedrawPicture();
}

void TMainWindow::btnClearClick() {
  if (!AskToSave()) return;
  ClearModel();
}

// The open dialog of the load menu, in the folder remembered for the mode.
static std::optional<std::string> AskModelToLoad(Dialogs& dialogs, const char* title,
                                                 const std::string& folder,
                                                 const std::string& fileName) {
  FileDialogRequest request;
  request.title = title;
  request.filter = TMainWindow::kModelFilter;
  request.defaultExtension = "LGO";
  request.folder = folder;
  request.fileName = fileName;
  return dialogs.OpenFileName(request);
}

void TMainWindow::mNewmodelClick() {
  if (!AskToSave()) return;
  if (const std::optional<std::string> name = AskModelToLoad(
          *dialogs_, "Load a complete model", state_.Folder(FolderKind::LoadModel), openFileName_))
    LoadModel(*name, LoadMode::Complete);
  // "No" gave the changes up only for a model that came in; a cancelled
  // dialog or a file that cannot be read leaves them to be asked about again.
  state_.Unsaved = document_.History.Modified();
}

void TMainWindow::mSubassemblyClick() {
  if (const std::optional<std::string> name =
          AskModelToLoad(*dialogs_, "Load a subassembly",
                         state_.Folder(FolderKind::LoadSubassembly), openFileName_))
    LoadModel(*name, LoadMode::Subassembly);
}

bool TMainWindow::LoadModel(const std::string& name, LoadMode mode) {
  // The title and the recent list name the file by its full path, however it was given.
  const std::string fileName = FullPath(name);
  btnPointerClick();  // a carried piece or set is dropped
  state_.AddRecentFile(fileName);
  const bool complete = mode == LoadMode::Complete;
  state_.Folder(complete ? FolderKind::LoadModel : FolderKind::LoadSubassembly) =
      FileFolder(fileName);
  if (!complete) ++document_.GroupCounter;

  // The file is read before anything of the model is given up.
  ModelReadOptions options;
  if (!complete) {
    options.mode = LoadMode::Subassembly;
    options.subassemblyGroup = document_.GroupCounter;
    options.subassemblyStep = document_.ModelList.StepLimit;
  }
  ModelReadResult result;
  try {
    result = ReadAnyModelFile(fileName, LDrawSetup(), shapes_, options);
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
    return false;
  }
  if (!complete) {
    CarrySubassembly(result, options.subassemblyStep);
    return true;
  }
  if (!AskToSave()) return false;

  {
    RedrawPause pause(scene_);
    ClearModel();
    document_.ModelList.Clear();
    SetModelFileName(fileName);
    if (result.header) {
      const ModelHeader& h = *result.header;
      SetStudsShown(h.StudsShown);
      SetPositions(ViewPositions{h.RotX, h.RotZ, h.ScaleBar, h.OffsetX, h.OffsetY});
      ApplyViewPositions(rc_.view, Positions(), PaintBox1->width(), PaintBox1->height());
      RememberView();
    }
    PlaceCompleteModel(result, document_, rc_.view.ViewOctant);
    if (result.baseplateSeen) {
      BSizeX->setText(QString::number(result.baseSizeX));
      BSizeY->setText(QString::number(result.baseSizeY));
      ThickBase->setChecked(result.thickBase);
    }
    // The step filter shows every step the file holds.
    AdvOptions->SetStepFilter(document_.ModelList.StepLimit);
  }
  RefreshSelection();
  RedrawPicture();
  ShowLineErrors(result.errors);
  return true;
}

LDrawImportSetup TMainWindow::LDrawSetup() const {
  LDrawImportSetup setup;
  setup.mappingList = setup_.files.MappingList();
  setup.library = state_.Tools.LDrawLib;
  return setup;
}

void TMainWindow::CarrySubassembly(ModelReadResult& result, int step) {
  for (auto& piece : result.pieces) carrySet_.AddSorted(std::move(piece), rc_.view.ViewOctant);
  carrySet_.StepLimit = static_cast<std::int16_t>(step);
  carrying_.CarrySet(carrySet_);
  btnPointer->setChecked(!carrying_.Carrying());
  RedrawPicture();
  carrying_.DrawCarried();
  ShowLineErrors(result.errors);
}

void TMainWindow::ShowLineErrors(const std::vector<LineError>& errors) {
  std::vector<std::string> messages;
  for (const LineError& e : errors) messages.push_back(e.message);
  ShowMessages(messages);
}

void TMainWindow::ShowMessages(const std::vector<std::string>& messages) {
  const int count = static_cast<int>(messages.size());
  for (int i = 0; i < count; ++i) {
    if (i == kLineErrorsShown) {
      const std::string question = Format(
          "%d more lines of this file could not be read.\r\nShow their messages too?", count - i);
      if (!dialogs_->AskYesNo(question)) return;
    }
    dialogs_->ShowMessage(messages[static_cast<std::size_t>(i)]);
  }
}

ModelHeader TMainWindow::CurrentHeader() const {
  const ViewPositions p = Positions();
  ModelHeader h;
  h.RotX = p.RotX;
  h.RotZ = p.RotZ;
  h.ScaleBar = p.ScaleBar;
  h.OffsetX = p.OffsetX;
  h.OffsetY = p.OffsetY;
  h.StudsShown = StudsShown();
  h.UnitFlag = 1;
  return h;
}

bool TMainWindow::SaveModel(FolderKind folder, bool selectedOnly) {
  FileDialogRequest request;
  request.title = "Save model";
  request.filter = kSaveFilter;
  request.defaultExtension = "LGO";
  request.folder = state_.Folder(folder);
  request.fileName = saveProposal_;
  if (request.fileName.size() >= 4 && request.fileName[request.fileName.size() - 4] == '.')
    request.fileName.erase(request.fileName.size() - 4);
  const std::optional<std::string> chosen = dialogs_->SaveFileName(request);
  if (!chosen) return false;
  const std::string name = *chosen;
  SetModelFileName(name);
  try {
    if (IsLDrawFileName(name)) {
      // The LDraw form holds the whole model, even when only a selection was asked for.
      ShowMessages(SaveLDrawFile(name, document_.ModelList, setup_.files.DataFolder()).problems);
      AdvOptions->MappingListReloaded();
    } else {
      SaveModelFile(name, document_.ModelList, CurrentHeader(), selectedOnly);
      if (!selectedOnly) document_.History.MarkSaved();
    }
  } catch (const std::exception& e) {
    dialogs_->ShowMessage(e.what());
    return false;
  }
  RememberView();
  state_.Folder(folder) = FileFolder(name);
  return true;
}

void TMainWindow::ApplyBaseplateSize() {
  SizeBaseplate(true);
  setFocus();  // the size fields let go of the keyboard after Enter
}

void TMainWindow::SizeBaseplate(bool redraw) {
  std::int32_t length = 0, width = 0;
  for (QLineEdit* field : {BSizeX, BSizeY}) {
    std::int32_t& value = field == BSizeX ? length : width;
    const std::string text = field->text().toLocal8Bit().toStdString();
    if (!TryStrToInt(text, value)) {
      dialogs_->ShowMessage(Format("'%s' is not a valid integer value", text.c_str()));
      return;
    }
    // Wider plates would leave the range of model coordinates.
    if (value < 0 || value > kMaxBaseplateStuds) {
      dialogs_->ShowMessage(
          Format("The baseplate can be 0 to %d studs long and wide.", kMaxBaseplateStuds));
      return;
    }
  }
  TBlockList& list = document_.ModelList;
  TModelEdit edit(document_, "Baseplate size");
  TBlock* plate = nullptr;
  for (int i = 0; i < list.Count() && !plate; ++i)
    if (list[i]->IsBaseplate) plate = &edit.Change(*list[i]);
  if (!plate) {
    const int at =
        edit.Insert(std::make_unique<TBlock>(0, 0, 0, 0, 0, 0, 0xC0C0C0, true, true, false, ""),
                    rc_.view.ViewOctant);
    plate = list[at];
  }
  const int sizeX = length, sizeY = width;
  plate->SizeX = sizeX * 20;
  plate->SizeY = sizeY * 20;
  plate->X = -(sizeX / 2) * 20;
  plate->Y = -(sizeY / 2) * 20;
  plate->PartName.clear();
  const bool thick = ThickBase->isChecked();
  plate->SizeZ = thick ? 24 : 8;
  plate->Z = thick ? -24 : -8;
  // The plate's new extent may change its place in the drawing order.
  list.SortedOctant = 99;
  edit.Commit();
  if (redraw) RedrawPicture();
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (!AskToSave()) {
    event->ignore();
    return;
  }
  event->accept();
  // The end's files are written while the window can still show what failed.
  FormDestroy();
}
