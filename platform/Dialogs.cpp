#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <cctype>
#include <vector>

#include "platform/TextFile.h"

namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

std::vector<std::string> WindowFilterEntries(const std::string& filter) {
  std::vector<std::string> out;
  const std::vector<std::string> parts = SplitAt(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string masks;
    for (const std::string& mask : SplitAt(parts[i + 1], ';')) {
      if (mask.empty()) continue;
      for (const std::string& m : {mask, Lower(mask), Upper(mask)})
        if (masks.find(m) == std::string::npos) masks += (masks.empty() ? "" : " ") + m;
    }
    // The window system reads the masks from the parentheses, so the description loses its own.
    std::string description = TrimRight(parts[i]);
    const std::size_t paren = description.find(" (");
    if (paren != std::string::npos) description.erase(paren);
    out.push_back(description + " (" + masks + ")");
  }
  return out;
}

QString Q(const std::string& s) {
  return QString::fromLocal8Bit(s.c_str());
}

class WindowDialogs : public Dialogs {
 public:
  explicit WindowDialogs(QWidget* parent) : parent_(parent) {}

  void ShowMessage(const std::string& text) override {
    QMessageBox::information(parent_, QString(), Q(text));
  }

  DialogAnswer AskYesNoCancel(const std::string& text) override {
    const auto answer =
        QMessageBox::question(parent_, QStringLiteral("Confirm"), Q(text),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) return DialogAnswer::Yes;
    if (answer == QMessageBox::No) return DialogAnswer::No;
    return DialogAnswer::Cancel;
  }

  bool AskYesNo(const std::string& text) override {
    return QMessageBox::question(parent_, QStringLiteral("Confirm"), Q(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }

  std::optional<std::string> OpenFileName(const FileDialogRequest& r) override {
    return Run(r, QFileDialog::AcceptOpen);
  }

  std::optional<std::string> SaveFileName(const FileDialogRequest& r) override {
    return Run(r, QFileDialog::AcceptSave);
  }

  std::optional<TColor> ChooseColor(TColor start) override {
    const QColor chosen = QColorDialog::getColor(
        QColor(RedOf(start), GreenOf(start), BlueOf(start)), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
  }

 private:
  std::optional<std::string> Run(const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent_, Q(r.title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(Q(WindowFilter(r.filter)));
    dialog.selectNameFilter(Q(WindowFilterEntry(r.filter, r.filterIndex)));
    if (!r.folder.empty()) dialog.setDirectory(Q(NativePath(r.folder)));
    if (!r.fileName.empty()) dialog.selectFile(Q(FileBaseName(r.fileName)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    std::string name = dialog.selectedFiles().first().toLocal8Bit().toStdString();
    return mode == QFileDialog::AcceptSave ? WithDefaultExtension(name, r.defaultExtension) : name;
  }

  QWidget* parent_;
};

}  // namespace

std::string WindowFilter(const std::string& filter) {
  std::string out;
  for (const std::string& entry : WindowFilterEntries(filter))
    out += (out.empty() ? "" : ";;") + entry;
  return out;
}

std::string WindowFilterEntry(const std::string& filter, int index) {
  const std::vector<std::string> entries = WindowFilterEntries(filter);
  if (index < 1 || index > static_cast<int>(entries.size())) return std::string();
  return entries[static_cast<std::size_t>(index - 1)];
}

std::string WithDefaultExtension(const std::string& fileName, const std::string& extension) {
  if (extension.empty() || fileName.empty() || !FileExtension(fileName).empty()) return fileName;
  return fileName + "." + Lower(extension);
}

std::unique_ptr<Dialogs> CreateWindowDialogs(QWidget* parent) {
  return std::make_unique<WindowDialogs>(parent);
}
