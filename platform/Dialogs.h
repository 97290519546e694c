#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/Color.h"

class QWidget;

enum class DialogAnswer { Yes, No, Cancel };

// What an open or save dialog is asked to show. The filter is written as
// pairs "description|pattern|description|pattern"; patterns may hold several
// masks separated by ';'.
struct FileDialogRequest {
  std::string title;
  std::string filter;
  int filterIndex = 1;  // from 1
  std::string defaultExtension;
  std::string folder;    // the folder the dialog opens in; empty: the current one
  std::string fileName;  // the proposed name
};

// Message boxes and file dialogs, behind an interface so that tests can
// answer them.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual DialogAnswer AskYesNoCancel(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  // The chosen file's full name, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
  // The colour dialog started with a colour; nothing when it was cancelled.
  virtual std::optional<TColor> ChooseColor(TColor) { return std::nullopt; }
};

// The real dialogs of the window system, centred over parent.
std::unique_ptr<Dialogs> CreateWindowDialogs(QWidget* parent);

// "Brikolo Files (*.LGO)|*.LGO|All files (*.*)|*.*" in the window system's
// form; masks are matched in both cases, since file names here are case
// sensitive and a model saved as house.lgo must show under *.LGO.
std::string WindowFilter(const std::string& filter);
// The description of the filter entry at index (from 1) in the window system's form.
std::string WindowFilterEntry(const std::string& filter, int index);
// Appends the default extension (in lower case) when the name has none.
std::string WithDefaultExtension(const std::string& fileName, const std::string& extension);
